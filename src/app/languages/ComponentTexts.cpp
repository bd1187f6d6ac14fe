#include "app/languages/ComponentTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

#include "qt/ClockPane.h"
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

// The tab control showing `page` as one of its pages, or none.
QTabWidget* TabsOf(const QObject& page) {
  const auto* widget = qobject_cast<const QWidget*>(&page);
  auto* stack = widget ? qobject_cast<QStackedWidget*>(widget->parentWidget()) : nullptr;
  auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
  return tabs && tabs->indexOf(const_cast<QWidget*>(widget)) >= 0 ? tabs : nullptr;
}
int TabIndex(const QObject& page) { return TabsOf(page)->indexOf(const_cast<QWidget*>(qobject_cast<const QWidget*>(&page))); }

using Getter = QString (*)(const QObject&);
using Setter = void (*)(QObject&, const QString&);

struct TTextAccess {
  Getter Get = nullptr;  // none: the kind has no such text
  Setter Set = nullptr;
};

struct TKindRow {
  bool (*Is)(const QObject&);
  TTextAccess Caption, Hint, Text;
};

template <typename T>
bool Is(const QObject& object) {
  return qobject_cast<const T*>(&object) != nullptr;
}
template <typename T>
T& As(QObject& object) {
  return *qobject_cast<T*>(&object);
}
template <typename T>
const T& As(const QObject& object) {
  return *qobject_cast<const T*>(&object);
}

const TTextAccess WidgetHint{[](const QObject& o) { return As<QWidget>(o).toolTip(); },
                             [](QObject& o, const QString& v) { As<QWidget>(o).setToolTip(v); }};

// First matching row wins, so a kind comes before the kinds it derives from.
const std::vector<TKindRow>& KindTable() {
  static const std::vector<TKindRow> table = {
      {Is<QAction>,
       {[](const QObject& o) { return As<QAction>(o).text(); },
        [](QObject& o, const QString& v) { As<QAction>(o).setText(v); }},
       {[](const QObject& o) {
          const auto& action = As<QAction>(o);
          return action.toolTip() == DefaultToolTip(action.text()) ? QString() : action.toolTip();
        },
        [](QObject& o, const QString& v) { As<QAction>(o).setToolTip(v); }},
       {}},
      // The clock shows the time; it has nothing to translate.
      {Is<TClockPane>, {}, WidgetHint, {}},
      {Is<QMenu>,
       {[](const QObject& o) { return As<QMenu>(o).title(); },
        [](QObject& o, const QString& v) { As<QMenu>(o).setTitle(v); }},
       WidgetHint, {}},
      {Is<QAbstractButton>,
       {[](const QObject& o) { return As<QAbstractButton>(o).text(); },
        [](QObject& o, const QString& v) { As<QAbstractButton>(o).setText(v); }},
       WidgetHint, {}},
      {Is<QLabel>,
       {[](const QObject& o) { return As<QLabel>(o).text(); },
        [](QObject& o, const QString& v) { As<QLabel>(o).setText(v); }},
       WidgetHint, {}},
      {Is<QGroupBox>,
       {[](const QObject& o) { return As<QGroupBox>(o).title(); },
        [](QObject& o, const QString& v) { As<QGroupBox>(o).setTitle(v); }},
       WidgetHint, {}},
      {Is<TMarqueePane>,
       {[](const QObject& o) { return As<TMarqueePane>(o).Caption(); },
        [](QObject& o, const QString& v) { As<TMarqueePane>(o).SetCaption(v); }},
       WidgetHint, {}},
      {[](const QObject& o) { return TabsOf(o) != nullptr; },
       {[](const QObject& o) { return TabsOf(o)->tabText(TabIndex(o)); },
        [](QObject& o, const QString& v) { TabsOf(o)->setTabText(TabIndex(o), v); }},
       {[](const QObject& o) { return TabsOf(o)->tabToolTip(TabIndex(o)); },
        [](QObject& o, const QString& v) { TabsOf(o)->setTabToolTip(TabIndex(o), v); }},
       {}},
      {Is<QLineEdit>, {}, WidgetHint,
       {[](const QObject& o) { return As<QLineEdit>(o).text(); },
        [](QObject& o, const QString& v) { As<QLineEdit>(o).setText(v); }}},
      {Is<QComboBox>, {}, WidgetHint,
       {[](const QObject& o) { return As<QComboBox>(o).currentText(); },
        [](QObject& o, const QString& v) { As<QComboBox>(o).setCurrentText(v); }}},
      {Is<QPlainTextEdit>, {}, WidgetHint,
       {[](const QObject& o) { return As<QPlainTextEdit>(o).toPlainText(); },
        [](QObject& o, const QString& v) { As<QPlainTextEdit>(o).setPlainText(v); }}},
      {Is<QTextEdit>, {}, WidgetHint,
       {[](const QObject& o) { return As<QTextEdit>(o).toPlainText(); },
        [](QObject& o, const QString& v) { As<QTextEdit>(o).setPlainText(v); }}},
      {[](const QObject& o) { return Is<QWidget>(o) && As<QWidget>(o).isWindow(); },
       {[](const QObject& o) { return As<QWidget>(o).windowTitle(); },
        [](QObject& o, const QString& v) { As<QWidget>(o).setWindowTitle(v); }},
       WidgetHint, {}},
      {Is<QWidget>, {}, WidgetHint, {}},
  };
  return table;
}

const TKindRow* RowOf(const QObject& component) {
  for (const TKindRow& row : KindTable())
    if (row.Is(component)) return &row;
  return nullptr;
}

const TTextAccess& Access(const TKindRow& row, TTextProperty property) {
  switch (property) {
    case TTextProperty::Caption: return row.Caption;
    case TTextProperty::Hint: return row.Hint;
    case TTextProperty::Text: break;
  }
  return row.Text;
}

void CollectComponents(const QObject& parent, std::vector<QObject*>& components) {
  for (QObject* child : parent.children()) {
    // Another form's window is that form's, with its components.
    if (qobject_cast<QDialog*>(child) != nullptr) continue;
    const QString name = child->objectName();
    if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !child->property(kSameInEveryLanguage).toBool())
      components.push_back(child);
    CollectComponents(*child, components);
  }
}

}  // namespace

TComponentTexts ComponentTexts(const QObject& component) {
  TComponentTexts texts;
  const TKindRow* row = RowOf(component);
  if (row == nullptr) return texts;
  if (row->Caption.Get) texts.Caption = row->Caption.Get(component);
  if (row->Hint.Get) texts.Hint = row->Hint.Get(component);
  if (row->Text.Get) texts.Text = row->Text.Get(component);
  return texts;
}

std::optional<TTextProperty> TextPropertyNamed(std::string_view name) {
  const QString property = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  for (auto [text, value] : {std::pair{"Caption", TTextProperty::Caption}, std::pair{"Hint", TTextProperty::Hint},
                             std::pair{"Text", TTextProperty::Text}})
    if (property.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) return value;
  return std::nullopt;
}

bool SetComponentText(QObject& component, TTextProperty property, const QString& value) {
  const TKindRow* row = RowOf(component);
  if (row == nullptr || Access(*row, property).Set == nullptr) return false;
  Access(*row, property).Set(component, value);
  return true;
}

std::vector<QObject*> OwnedComponents(const QObject& window) {
  std::vector<QObject*> components;
  CollectComponents(window, components);
  return components;
}

QObject* OwnedComponent(const QObject& window, const QString& name) {
  for (QObject* component : OwnedComponents(window))
    if (component->objectName() == name) return component;
  return nullptr;
}

}  // namespace tessaly
