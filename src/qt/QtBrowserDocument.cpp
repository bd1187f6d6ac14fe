#include "qt/QtBrowserDocument.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "qt/BrowserView.h"

namespace tessaly {

namespace {

// The one element a selection covers, or null. Elements a user selects as a
// whole are the ones that hold no text of their own to put a caret in.
const char* const kSelectedElement = R"(
  (function () {
    var s = window.getSelection();
    if (!s || s.rangeCount == 0) return null;
    var r = s.getRangeAt(0);
    if (r.startContainer !== r.endContainer || r.startContainer.nodeType != 1 ||
        r.endOffset != r.startOffset + 1) return null;
    var n = r.startContainer.childNodes[r.startOffset];
    if (!n || n.nodeType != 1) return null;
    return /^(IMG|HR|INPUT|SELECT|TEXTAREA|BUTTON|TABLE|OBJECT|EMBED|IFRAME)$/.test(n.tagName) ? n : null;
  })())";

// A document that has never had a caret gets one at the start of its body,
// as a range created from an empty selection starts there.
const char* const kEnsureSelection = R"(
  (function () {
    var s = window.getSelection();
    if (s.rangeCount == 0 && document.body) {
      var r = document.createRange();
      r.setStart(document.body, 0);
      r.collapse(true);
      s.addRange(r);
    }
  })())";

// A new cell after the one holding the selection, of the same kind (TD or
// TH), with the caret in it.
const char* const kInsertTableCell = R"(
  (function () {
    var s = window.getSelection();
    if (!s || s.rangeCount == 0) return false;
    var n = s.getRangeAt(0).startContainer;
    while (n && !(n.nodeType == 1 && /^(TD|TH)$/.test(n.tagName))) n = n.parentNode;
    if (!n) return false;
    var cell = document.createElement(n.tagName);
    cell.appendChild(document.createElement('br'));
    n.parentNode.insertBefore(cell, n.nextSibling);
    var r = document.createRange();
    r.setStart(cell, 0);
    r.collapse(true);
    s.removeAllRanges();
    s.addRange(r);
    return true;
  })())";

// document.execCommand(command, false, value); values are spliced in whole,
// never through QString::arg, whose markers a URL such as "%3A" would hold.
QString ExecCommandCall(const std::string& command, const std::string& value) {
  return QStringLiteral("document.execCommand(") + JsString(command) + QStringLiteral(", false, ") + JsString(value) +
         QStringLiteral(")");
}

class QtTextRange : public BrowserTextRange {
public:
  explicit QtTextRange(TBrowserView& view) : view_(view) {}

  bool QueryCommandSupported(const std::string& command) override {
    return view_.Evaluate(QStringLiteral("document.queryCommandSupported(%1)").arg(JsString(command))).toBool();
  }

  bool ExecCommand(const std::string& command, const std::string& value) override {
    return view_.Evaluate(QStringLiteral("(") + QString::fromLatin1(kEnsureSelection) + QStringLiteral(", ") +
                          ExecCommandCall(command, value) + QStringLiteral(")"))
        .toBool();
  }

  void PasteHTML(const std::string& html) override {
    if (!ExecCommand("insertHTML", html)) throw EBrowserError("Браузер не вставил HTML в документ");
  }

  bool InsertTableCell() override {
    return view_.Evaluate(QString::fromLatin1(kInsertTableCell)).toBool();
  }

private:
  TBrowserView& view_;
};

class QtControlRange : public BrowserControlRange {
public:
  QtControlRange(TBrowserView& view, std::string elementName) : view_(view), elementName_(std::move(elementName)) {}

  std::string ElementName() override { return elementName_; }

  bool QueryCommandSupported(const std::string& command) override {
    if (!ElementSupportsCommand(elementName_, command)) return false;
    return view_.Evaluate(QStringLiteral("document.queryCommandSupported(%1)").arg(JsString(command))).toBool();
  }

  bool ExecCommand(const std::string& command, const std::string& value) override {
    return view_.Evaluate(ExecCommandCall(command, value)).toBool();
  }

private:
  TBrowserView& view_;
  std::string elementName_;
};

}  // namespace

QString JsString(const QString& text) {
  const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
  // ["..."] less its brackets; the line and paragraph separators JSON allows
  // raw are not allowed in older script string literals.
  QString literal = QString::fromUtf8(array.mid(1, array.size() - 2));
  literal.replace(QChar(0x2028), QLatin1String("\\u2028")).replace(QChar(0x2029), QLatin1String("\\u2029"));
  return literal;
}

void QtBrowserDocument::SetDesignMode(const std::string& mode) {
  const bool on = mode == "On" || mode == "on";
  view_.Evaluate(QStringLiteral("document.designMode = '%1'").arg(on ? "on" : "off"));
}

std::string QtBrowserDocument::DesignMode() {
  return view_.Evaluate(QStringLiteral("document.designMode")).toString() == QLatin1String("on") ? "On" : "Off";
}

std::string QtBrowserDocument::SelectionType() {
  const QString type =
      view_.Evaluate(QStringLiteral("(%1) ? 'Control' : (function () {"
                                    "  var s = window.getSelection();"
                                    "  return !s || s.rangeCount == 0 || s.isCollapsed ? 'None' : 'Text';"
                                    "})()")
                         .arg(QString::fromLatin1(kSelectedElement)))
          .toString();
  return type.toStdString();
}

std::unique_ptr<BrowserTextRange> QtBrowserDocument::CreateTextRange() { return std::make_unique<QtTextRange>(view_); }

std::unique_ptr<BrowserControlRange> QtBrowserDocument::CreateControlRange() {
  const QString name =
      view_.Evaluate(QStringLiteral("(function (n) { return n ? n.tagName : ''; })(%1)").arg(QString::fromLatin1(kSelectedElement)))
          .toString();
  if (name.isEmpty()) throw EBrowserError("В документе не выделен элемент");
  return std::make_unique<QtControlRange>(view_, name.toUpper().toStdString());
}

std::string QtBrowserDocument::Serialize() {
  // Every node of the document in order, so a doctype or a comment before
  // the root survives.
  const QVariant html = view_.Evaluate(QStringLiteral(R"((function () {
    var out = [];
    for (var n = document.firstChild; n; n = n.nextSibling) {
      if (n.nodeType == 10) out.push(new XMLSerializer().serializeToString(n));
      else if (n.nodeType == 1) out.push(n.outerHTML);
      else if (n.nodeType == 8) out.push('<!--' + n.data + '-->');
    }
    return out.join('\n');
  })())"));
  if (!html.isValid()) throw EBrowserError("Браузер не отдал документ");
  return html.toString().toStdString();
}

}  // namespace tessaly
