#pragma once
// What the renderer asks of whoever shows its pages, beyond a window to draw
// in (TControlHost): pictures, the widgets behind form controls, and word of
// what a page does. Every need has a default that provides nothing, so a
// container overrides only what it has. The viewer is its document's
// container and passes on to its own what it does not handle itself.

#include <memory>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "preview/pictures/GifAnimation.h"

namespace tessaly::preview {

class TFormControlObj;

// A form as it is sent: its ACTION, TARGET, ENCTYPE and METHOD and the
// name=value pairs of its controls in order.
struct TFormSubmission {
  std::string Action, Target, EncType, Method;
  std::vector<std::string> Results;
};

class TPreviewContainer {
public:
  virtual ~TPreviewContainer() = default;

  // The picture a page names: nullptr when there is none, or
  // TSectionList::PendingImage() when it comes later.
  virtual std::shared_ptr<TBitmap> GetImage(const std::string& /*source*/) { return nullptr; }
  // An animation of its own for one image whose picture is an animated GIF.
  virtual std::unique_ptr<TGifAnimation> GetAnimation(const std::string& /*source*/) { return nullptr; }

  // Shows a form control's widget at a rectangle of the painted surface,
  // making it on first need; an empty rectangle takes it out of sight.
  virtual void PlaceControl(TFormControlObj& /*control*/, const TRect& /*rect*/) {}
  // Drops every widget: the document they belong to is being emptied.
  virtual void ClearControls() {}

  // A form is submitted (a submit button, Enter in a one-line edit, a click
  // on an image control).
  virtual void FormSubmit(const TFormSubmission& /*form*/) {}
  // A SCRIPT element was read.
  virtual void ScriptEvent(const std::string& /*name*/, const std::string& /*language*/,
                           const std::string& /*script*/) {}

  // The viewer's history list changed.
  virtual void HistoryChange() {}
  // A page with a refresh META was loaded.
  virtual void MetaRefresh(int /*delay*/, const std::string& /*url*/) {}
};

}  // namespace tessaly::preview
