#include "qt/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "qt/QtFonts.h"

namespace tessaly {

namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

QWidget* DialogParent() { return QApplication::activeWindow(); }

QString CaptionOrTitle(const std::string& caption) {
  return caption.empty() ? QApplication::applicationName() : Q(caption);
}

QMessageBox::Icon IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return QMessageBox::Warning;
    case TMsgDlgType::mtError: return QMessageBox::Critical;
    case TMsgDlgType::mtInformation: return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
    case TMsgDlgType::mtCustom: break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonMapping {
  TMsgDlgBtn Button;
  QMessageBox::StandardButton Standard;
  TModalResult Result;
};

constexpr ButtonMapping kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},       {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},          {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort}, {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

bool RunFileDialog(TFileDialogSpec& spec, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(DialogParent(), Q(spec.Title), Q(spec.InitialDir));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  const QStringList filters = QtNameFilters(spec.Filter);
  dialog.setNameFilters(filters);
  if (spec.FilterIndex >= 1 && spec.FilterIndex <= filters.size()) dialog.selectNameFilter(filters[spec.FilterIndex - 1]);
  dialog.setDefaultSuffix(Q(spec.DefaultExt));
  if (!spec.FileName.empty()) dialog.selectFile(Q(spec.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  spec.FileName = dialog.selectedFiles().constFirst().toStdString();
  spec.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  return true;
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = Q(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    filters << parts[i].trimmed() + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

TModalResult QtDialogs::MessageDlg(const std::string& text, const std::string& caption, TMsgDlgType type,
                                   TMsgDlgButtons buttons, TMsgDlgBtn defaultButton) {
  QMessageBox box(IconOf(type), CaptionOrTitle(caption), Q(text), QMessageBox::NoButton, DialogParent());
  for (const ButtonMapping& mapping : kButtons) {
    if (buttons & mapping.Button) box.addButton(mapping.Standard);
    if (mapping.Button == defaultButton) box.setDefaultButton(mapping.Standard);
  }
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  for (const ButtonMapping& mapping : kButtons)
    if (clicked != nullptr && clicked == box.button(mapping.Standard)) return mapping.Result;
  // Closed without a button: Cancel if there is one, else a lone button's answer.
  if (buttons & mbCancel) return mrCancel;
  const ButtonMapping* only = nullptr;
  for (const ButtonMapping& mapping : kButtons) {
    if (!(buttons & mapping.Button)) continue;
    if (only != nullptr) return mrNone;
    only = &mapping;
  }
  return only != nullptr ? only->Result : mrNone;
}

bool QtDialogs::InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  bool accepted = false;
  const QString answer =
      QInputDialog::getText(DialogParent(), Q(caption), Q(prompt), QLineEdit::Normal, Q(value), &accepted);
  if (accepted) value = answer.toStdString();
  return accepted;
}

bool QtDialogs::OpenFile(TFileDialogSpec& spec) { return RunFileDialog(spec, QFileDialog::AcceptOpen); }

bool QtDialogs::SaveFile(TFileDialogSpec& spec) { return RunFileDialog(spec, QFileDialog::AcceptSave); }

bool QtDialogs::ChooseColor(TColor& color) {
  const TColor plain = ColorToRGB(color);
  const QColor chosen =
      QColorDialog::getColor(QColor(GetRValue(plain), GetGValue(plain), GetBValue(plain)), DialogParent());
  if (!chosen.isValid()) return false;
  color = RGB(chosen.red(), chosen.green(), chosen.blue());
  return true;
}

bool QtDialogs::ChooseFont(TFontSpec& font) {
  bool accepted = false;
  const QFont chosen = QFontDialog::getFont(&accepted, ToQFont(font), DialogParent());
  if (accepted) font = FromQFont(chosen, font);
  return accepted;
}

}  // namespace tessaly
