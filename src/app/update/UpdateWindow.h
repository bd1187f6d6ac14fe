#pragma once
// `Tform_MainWindow`, the web update window: the two versions, the date of
// the last update, "Проверить" and "Закрыть", the progress of a download and
// the blinking result line. What happens on each step is TUpdateFlow's.

#include <QDialog>
#include <memory>
#include <string>

#include "app/update/UpdateFlow.h"

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tessaly {

class Dialogs;
class TShell;
class QtInternet;

class Tform_MainWindow : public QDialog, private TUpdateView {
  Q_OBJECT
public:
  static constexpr int BlinkIntervalMs = 500;

  // `version` is the program's own version, empty when the build has none.
  Tform_MainWindow(Dialogs& dialogs, TShell& shell, const std::string& version, QWidget* parent = nullptr);
  ~Tform_MainWindow() override;

  TUpdateFlow& Flow() { return *flow_; }
  // Points the window at another update information page.
  void SetUpdateUrl(const std::string& url) { flow_->SetUpdateUrl(url); }

  void done(int result) override;

protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void SetInfoText(const std::string& text) override;
  void SetInfoVisible(bool visible) override;
  void SetBlinking(bool blinking) override;
  bool Blinking() const override;
  void SetVersions(const std::string& local, const std::string& published) override;
  std::string PublishedVersion() const override;
  void SetProgress(int64_t maximum, int64_t position) override;
  void SetUpdateLabel(const std::string& text) override;
  bool ShowInfo(const std::string& url, const TInfoCaption& captions, bool& checkForUpdate) override;
  void SetInfoColor(const QColor& color);

  std::unique_ptr<QtInternet> internet_;
  std::unique_ptr<TUpdateFlow> flow_;
  QLabel* UpdateLabel = nullptr;
  QFrame* SertificatPanel = nullptr;
  QLabel* lbl_YourVersion = nullptr;
  QLabel* lbl_WebVersion = nullptr;
  QLabel* InfoLabel = nullptr;
  QPushButton* btn_Update = nullptr;
  QPushButton* btn_Exit = nullptr;
  QProgressBar* ProgressBar = nullptr;
  QTimer* blinkTimer_ = nullptr;
  bool blinkRed_ = false;
};

}  // namespace tessaly
