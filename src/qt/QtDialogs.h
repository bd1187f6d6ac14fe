#pragma once
// The standard dialogs on Qt widgets, shown modally over the active window.

#include <QStringList>

#include "platform/Dialogs.h"

namespace tessaly {

class QtDialogs : public Dialogs {
public:
  TModalResult MessageDlg(const std::string& text, const std::string& caption, TMsgDlgType type,
                          TMsgDlgButtons buttons, TMsgDlgBtn defaultButton) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
  bool OpenFile(TFileDialogSpec& spec) override;
  bool SaveFile(TFileDialogSpec& spec) override;
  bool ChooseColor(TColor& color) override;
  bool ChooseFont(TFontSpec& font) override;
};

// "HTML Files|*.htm; *.html|All Files|*.*" as Qt name filters:
// "HTML Files (*.htm *.html)", "All Files (*.*)".
QStringList QtNameFilters(const std::string& filter);

}  // namespace tessaly
