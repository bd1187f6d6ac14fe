#pragma once
// The on-screen widgets behind form controls live on the toolkit side: the
// painter tells it where each control shows, and it keeps the control
// object's state (text, checked, selection) up to date as the user edits.

#include "platform/Graphics.h"

namespace tessaly::preview {

class TFormControlObj;

class TFormWidgetHost {
public:
  virtual ~TFormWidgetHost() = default;
  // Shows the control's widget at `rect` of the painting panel, making it
  // on first need; an empty rect takes it out of sight.
  virtual void PlaceControl(TFormControlObj& control, const TRect& rect) = 0;
  // Drops every widget: the document they belong to is being emptied.
  virtual void ClearControls() = 0;
};

}  // namespace tessaly::preview
