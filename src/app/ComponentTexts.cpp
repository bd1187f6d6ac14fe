#include "app/ComponentTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "qt/MarqueePane.h"

namespace tessaly {

namespace {

// The tool tip an action shows when none was set: its text without
// accelerator marks and a trailing ellipsis.
QString DefaultToolTip(QString text) {
  text.remove(QLatin1Char('&'));
  text = text.trimmed();
  if (text.endsWith(QLatin1String("..."))) text.chop(3);
  else if (text.endsWith(QChar(0x2026))) text.chop(1);
  return text;
}

}  // namespace

TComponentTexts ComponentTexts(const QObject& component) {
  TComponentTexts texts;
  if (const auto* action = qobject_cast<const QAction*>(&component)) {
    texts.Caption = action->text();
    texts.Hint = action->toolTip() == DefaultToolTip(action->text()) ? QString() : action->toolTip();
    return texts;
  }
  const auto* widget = qobject_cast<const QWidget*>(&component);
  if (widget == nullptr) return texts;
  texts.Hint = widget->toolTip();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) texts.Caption = button->text();
  else if (const auto* label = qobject_cast<const QLabel*>(widget)) texts.Caption = label->text();
  else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) texts.Caption = group->title();
  else if (const auto* menu = qobject_cast<const QMenu*>(widget)) texts.Caption = menu->title();
  else if (const auto* marquee = qobject_cast<const TMarqueePane*>(widget)) texts.Caption = marquee->Caption();
  else if (widget->isWindow()) texts.Caption = widget->windowTitle();
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) texts.Text = edit->text();
  else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) texts.Text = plain->toPlainText();
  else if (const auto* rich = qobject_cast<const QTextEdit*>(widget)) texts.Text = rich->toPlainText();
  else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) texts.Text = combo->currentText();
  return texts;
}

}  // namespace tessaly
