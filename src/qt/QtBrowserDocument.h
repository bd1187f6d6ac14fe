#pragma once
// The document loaded into a TBrowserView, reached through scripts run in a
// world of their own: design mode, the selection, editing commands and the
// engine's serialisation.

#include <QString>

#include "platform/BrowserDocument.h"

namespace tessaly {

class TBrowserView;

// A JavaScript string literal holding `text`.
QString JsString(const QString& text);
inline QString JsString(const std::string& utf8) { return JsString(QString::fromStdString(utf8)); }

class QtBrowserDocument : public BrowserDocument {
public:
  explicit QtBrowserDocument(TBrowserView& view) : view_(view) {}

  void SetDesignMode(const std::string& mode) override;
  std::string DesignMode() override;
  std::string SelectionType() override;
  std::unique_ptr<BrowserTextRange> CreateTextRange() override;
  std::unique_ptr<BrowserControlRange> CreateControlRange() override;
  std::string Serialize() override;

private:
  TBrowserView& view_;
};

}  // namespace tessaly
