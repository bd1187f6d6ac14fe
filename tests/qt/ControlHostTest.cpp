// The control host on both kinds of window: a scroll area whose bars answer
// with scroll codes, and a widget that places its own bars and hears values.

#include "qt/QtControlHost.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QEventLoop>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace tessaly {
namespace {

// A widget with bars of its own, as the viewer has.
struct OwnBars {
  QWidget client;
  QScrollBar* horizontal = new QScrollBar(Qt::Horizontal, &client);
  QScrollBar* vertical = new QScrollBar(Qt::Vertical, &client);
  QtControlHost host{client, *horizontal, *vertical};
};

TEST(QtControlHost, ScrollInfoComesBackAsTheControlGaveIt) {
  struct Row {
    int overlap;
    TScrollInfo info;
    int barMaximum, pageStep;
  };
  const Row rows[] = {
      {0, {0, 99, 10, 30}, 90, 10},
      {16, {0, 999, 300, 200}, 700, 284},
      {16, {0, 9, 10, 0}, 0, 1},  // a page larger than its overlap's room still steps by 1
      {20, {0, 5999, 400, 5600}, 5600, 380},
  };
  for (const Row& row : rows) {
    OwnBars window;
    window.host.SetPageOverlap(TScrollBarKind::sbVertical, row.overlap);
    window.host.SetScrollInfo(TScrollBarKind::sbVertical, row.info);
    EXPECT_EQ(window.vertical->maximum(), row.barMaximum) << row.overlap;
    EXPECT_EQ(window.vertical->pageStep(), row.pageStep) << row.overlap;
    EXPECT_EQ(window.vertical->value(), row.info.Pos) << row.overlap;
    if (row.pageStep > 1) {
      EXPECT_EQ(window.host.ScrollInfo(TScrollBarKind::sbVertical), row.info) << row.overlap;
    }
  }
}

TEST(QtControlHost, OwnBarsReportTheirValuesButNotTheControlsOwnSettings) {
  OwnBars window;
  std::vector<std::pair<TScrollBarKind, int>> heard;
  window.host.OnScrollValue = [&](TScrollBarKind bar, int value) { heard.emplace_back(bar, value); };
  window.host.OnScroll = nullptr;
  window.host.SetScrollInfo(TScrollBarKind::sbVertical, {0, 999, 100, 50});
  window.host.SetScrollInfo(TScrollBarKind::sbHorizontal, {0, 499, 100, 20});
  EXPECT_TRUE(heard.empty());  // the control's own position must not come back to it
  window.vertical->setValue(70);
  window.horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0], std::make_pair(TScrollBarKind::sbVertical, 70));
  EXPECT_EQ(heard[1], std::make_pair(TScrollBarKind::sbHorizontal, 21));
}

TEST(QtControlHost, OwnBarsAreShownByTheHostAndPlacedByTheClient) {
  OwnBars window;
  window.client.show();
  int placed = 0;
  window.host.OnScrollBarShown = [&] { ++placed; };
  window.host.ShowScrollBar(TScrollBarKind::sbVertical, true);
  window.host.ShowScrollBar(TScrollBarKind::sbHorizontal, false);
  EXPECT_TRUE(window.vertical->isVisibleTo(&window.client));
  EXPECT_FALSE(window.horizontal->isVisibleTo(&window.client));
  EXPECT_EQ(placed, 2);
}

TEST(QtControlHost, AreaBarsAnswerWithScrollCodesAndFollowTheControl) {
  QAbstractScrollArea area;
  QtControlHost host(area);
  std::vector<TScrollCode> codes;
  host.OnScroll = [&](TScrollBarKind, TScrollCode code, int) { codes.push_back(code); };
  host.SetScrollInfo(TScrollBarKind::sbVertical, {1, 100, 10, 5});
  host.ShowScrollBar(TScrollBarKind::sbVertical, false);
  EXPECT_EQ(area.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  // The control ignores the step: the bar stays where the control left it.
  area.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(codes, (std::vector<TScrollCode>{TScrollCode::scPageDown, TScrollCode::scEndScroll}));
  EXPECT_EQ(area.verticalScrollBar()->value(), 5);
}

TEST(QtControlHost, ATimerStoppedFromItsOwnTickTicksOnce) {
  OwnBars window;
  int ticks = 0;
  int id = 0;
  id = window.host.StartTimer(1, [&] {
    ++ticks;
    window.host.StopTimer(id);
  });
  EXPECT_GT(id, 0);
  // Long enough for many ticks of a timer that went on ticking.
  QEventLoop loop;
  QTimer::singleShot(200, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(ticks, 1);
  window.host.StopTimer(id);  // stopping again is harmless
}

}  // namespace
}  // namespace tessaly
