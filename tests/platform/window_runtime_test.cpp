#include "platform/forms/window_runtime.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/forms/busy_scope.h"
#include "tests/support/forms_events.h"
#include "values/conversions.h"

namespace charart::forms {
namespace {

using testing::Click;
using testing::PostCloseRequest;
using testing::Type;

// What the handlers of the window under test saw, in order.
struct Journal {
  std::vector<std::string> events;
  bool visibleAtCreated = true;
  bool controlsAtDestroying = false;
};
Journal* g_journal = nullptr;

// GBK bytes of a UTF-8 literal.
std::string G(const char* utf8) {
  return std::string(values::Gbk(utf8).View());
}

void Note(const char* what) {
  g_journal->events.emplace_back(what);
}

WindowDescription Description() {
  return {
      .caption = "试验",
      .place = {50, 50, 706, 308},
      .controls =
          {
              {.kind = ControlKind::Edit,
               .name = "编辑框_单行",
               .place = {14, 16, 434, 24},
               .text = "样例"},
              {.kind = ControlKind::ComboBox,
               .name = "组合框",
               .place = {454, 19, 48, 20},
               .items = {"□", "○", "◇"},
               .editable = true},
              {.kind = ControlKind::ComboBox,
               .name = "组合框_排序",
               .place = {510, 19, 48, 20},
               .items = {"c", "a", "b"},
               .sorted = true},
              {.kind = ControlKind::Button,
               .name = "按钮",
               .place = {560, 16, 48, 24},
               .text = "按"},
              {.kind = ControlKind::Edit,
               .name = "编辑框_多行",
               .place = {14, 47, 672, 216},
               .multiLine = true,
               .horizontalScrollBar = true,
               .verticalScrollBar = true},
          },
  };
}

std::vector<EventBinding> Bindings() {
  return {
      {"", Event::Created,
       [](Window& window) {
         Note("created");
         g_journal->visibleAtCreated = window.Widget()->isVisible();
       }},
      {"", Event::Destroying,
       [](Window& window) {
         Note("destroying");
         g_journal->controlsAtDestroying = window.Widget("按钮") != nullptr &&
                                           window.Widget("按钮")->parentWidget() == window.Widget();
       }},
      {"按钮", Event::Clicked, [](Window&) { Note("clicked"); }},
      {"编辑框_单行", Event::TextChanged, [](Window&) { Note("changed"); }},
      {"没有的控件", Event::Clicked, [](Window&) { Note("unbound"); }},
  };
}

class WindowRuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureFormsApplication();
    g_journal = &journal_;
    window_ = Window::Load(Description(), Bindings());
  }
  void TearDown() override {
    window_.reset();
    g_journal = nullptr;
  }

  Journal journal_;
  std::unique_ptr<Window> window_;
};

TEST_F(WindowRuntimeTest, WindowAndControlsStandAtTheirExactPlacesAndSizes) {
  // Offscreen windows have no frame, so the outer size is the client size.
  EXPECT_EQ(window_->Widget()->frameGeometry(), QRect(50, 50, 706, 308));
  EXPECT_EQ(window_->Widget()->windowTitle(), QString::fromUtf8("试验"));
  EXPECT_TRUE(window_->Widget()->isVisible());
  EXPECT_FALSE(window_->Widget()->isModal());
  EXPECT_EQ(window_->Widget()->parentWidget(), nullptr);
  const struct {
    const char* name;
    QRect place;
  } cases[] = {
      {"编辑框_单行", {14, 16, 434, 24}},  {"组合框", {454, 19, 48, 20}},
      {"组合框_排序", {510, 19, 48, 20}},  {"按钮", {560, 16, 48, 24}},
      {"编辑框_多行", {14, 47, 672, 216}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(window_->Widget(c.name), nullptr);
    EXPECT_EQ(window_->Widget(c.name)->geometry(), c.place);
    EXPECT_EQ(window_->Widget(c.name)->objectName(), QString::fromUtf8(c.name));
  }
}

TEST_F(WindowRuntimeTest, ControlsTakeTheirKindsAndStyles) {
  auto* multi = qobject_cast<QPlainTextEdit*>(window_->Widget("编辑框_多行"));
  ASSERT_NE(multi, nullptr);
  EXPECT_EQ(multi->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(multi->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(multi->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

  auto* combo = qobject_cast<QComboBox*>(window_->Widget("组合框"));
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(combo->isEditable());
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(0), QString::fromUtf8("□"));  // kept in the given order
  EXPECT_EQ(combo->itemText(2), QString::fromUtf8("◇"));
  EXPECT_EQ(combo->currentIndex(), -1);  // nothing selected until the program selects

  auto* sorted = qobject_cast<QComboBox*>(window_->Widget("组合框_排序"));
  ASSERT_NE(sorted, nullptr);
  EXPECT_FALSE(sorted->isEditable());
  EXPECT_EQ(sorted->itemText(0), "a");
  EXPECT_EQ(sorted->itemText(2), "c");

  EXPECT_NE(qobject_cast<QPushButton*>(window_->Widget("按钮")), nullptr);
  EXPECT_EQ(window_->Widget("没有的控件"), nullptr);
}

TEST_F(WindowRuntimeTest, CreatedIsRaisedOnceBeforeTheWindowIsShown) {
  EXPECT_EQ(journal_.events, std::vector<std::string>{"created"});
  EXPECT_FALSE(journal_.visibleAtCreated);
}

TEST_F(WindowRuntimeTest, ClicksAndTypingReachTheirHandlersOnly) {
  Click(window_->Widget("按钮"));
  Type(window_->Widget("编辑框_单行"), "字");
  EXPECT_EQ(journal_.events, (std::vector<std::string>{"created", "clicked", "changed"}));
  EXPECT_EQ(window_->ReadProperty("编辑框_单行", kPropertyContent), G("字样例"));
}

TEST_F(WindowRuntimeTest, PropertiesCarryGbkText) {
  // The multi-line box keeps CR LF line ends, the last included.
  const std::string art = G("字符\r\n画\r\n");
  const struct {
    const char* control;
    std::int32_t number;
    std::string written;
  } cases[] = {
      {"编辑框_单行", kPropertyContent, G("字符画")},
      {"编辑框_单行", kPropertyContent, ""},
      {"编辑框_多行", kPropertyContent, art},
      {"组合框", kPropertyCurrentText, G("●●")},  // not an item
      {"组合框", kPropertyCurrentText, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.control) + " " + c.written);
    EXPECT_TRUE(window_->WriteProperty(c.control, c.number, c.written));
    EXPECT_EQ(window_->ReadProperty(c.control, c.number), c.written);
  }
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(window_->Widget("编辑框_多行"))->blockCount(), 3);
}

TEST_F(WindowRuntimeTest, CurrentIndexSelectsAnItemAndIsWriteOnly) {
  EXPECT_EQ(window_->ReadProperty("组合框", kPropertyCurrentText), "");
  EXPECT_TRUE(window_->WriteProperty("组合框", kPropertyCurrentIndex, 1));
  EXPECT_EQ(window_->ReadProperty("组合框", kPropertyCurrentText), G("○"));
  EXPECT_EQ(window_->ReadProperty("组合框", kPropertyCurrentIndex), "");
  EXPECT_TRUE(window_->WriteProperty("组合框", kPropertyCurrentIndex, 7));  // no such item
  EXPECT_EQ(window_->ReadProperty("组合框", kPropertyCurrentText), "");
}

TEST_F(WindowRuntimeTest, PropertiesAControlDoesNotHaveAreRefused) {
  EXPECT_FALSE(window_->WriteProperty("按钮", kPropertyContent, "x"));
  EXPECT_FALSE(window_->WriteProperty("编辑框_单行", kPropertyCurrentIndex, 0));
  EXPECT_FALSE(window_->WriteProperty("没有的控件", kPropertyContent, "x"));
  EXPECT_FALSE(window_->WriteProperty("组合框", 12, "x"));
  EXPECT_EQ(window_->ReadProperty("没有的控件", kPropertyContent), "");
  EXPECT_EQ(window_->ReadProperty("按钮", kPropertyCurrentText), "");
}

TEST_F(WindowRuntimeTest, TextWithoutAGbkFormReadsAsQuestionMarks) {
  auto* line = qobject_cast<QLineEdit*>(window_->Widget("编辑框_单行"));
  line->setText(QString::fromUtf8("a한b"));  // Hangul has no GBK form
  EXPECT_EQ(window_->ReadProperty("编辑框_单行", kPropertyContent), "a?b");
  line->setText(QString::fromUtf16(u"a\0b", 3));  // a NUL ends a text
  EXPECT_EQ(window_->ReadProperty("编辑框_单行", kPropertyContent), "a");
}

TEST_F(WindowRuntimeTest, EnterInAnEditableComboAddsNoItem) {
  auto* combo = qobject_cast<QComboBox*>(window_->Widget("组合框"));
  Type(combo->lineEdit(), "★");
  testing::PressKey(combo->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(window_->ReadProperty("组合框", kPropertyCurrentText), G("★"));
}

TEST_F(WindowRuntimeTest, RunReturnsWhenTheWindowClosesAndRaisesDestroyingWhileItExists) {
  QTimer::singleShot(0, window_->Widget(), [this] { PostCloseRequest(window_->Widget()); });
  EXPECT_EQ(window_->Run(), 0);
  EXPECT_TRUE(window_->IsClosed());
  EXPECT_EQ(journal_.events, (std::vector<std::string>{"created", "destroying"}));
  EXPECT_TRUE(journal_.controlsAtDestroying);
  window_.reset();  // no second Destroying
  EXPECT_EQ(journal_.events.size(), 2u);
}

TEST_F(WindowRuntimeTest, DestroyingTheWindowWithoutItsLoopRaisesDestroyingOnce) {
  window_.reset();
  EXPECT_EQ(journal_.events, (std::vector<std::string>{"created", "destroying"}));
  EXPECT_TRUE(journal_.controlsAtDestroying);
}

TEST_F(WindowRuntimeTest, CloseWaitsForTheOutermostBusyScope) {
  {
    BusyScope outer;
    {
      BusyScope inner;
      PostCloseRequest(window_->Widget());
      QCoreApplication::processEvents();
      window_->Close();  // asked twice: still one close
      EXPECT_FALSE(window_->IsClosed());
    }
    EXPECT_FALSE(window_->IsClosed());
    EXPECT_TRUE(window_->Widget()->isVisible());
  }
  EXPECT_EQ(BusyScope::Depth(), 0);
  EXPECT_TRUE(window_->IsClosed());
  EXPECT_FALSE(window_->Widget()->isVisible());
  EXPECT_EQ(window_->Run(), 0);  // already closed: the loop does not start
  EXPECT_EQ(journal_.events, (std::vector<std::string>{"created", "destroying"}));
}

TEST(BusyScope, DeferredWorkRunsOnceInOrderWhenTheLastScopeEnds) {
  std::vector<int> ran;
  RunWhenIdle([&] { ran.push_back(0); });  // idle: runs at once
  {
    BusyScope outer;
    RunWhenIdle([&] { ran.push_back(1); });
    {
      BusyScope inner;
      RunWhenIdle([&] { ran.push_back(2); });
    }
    EXPECT_EQ(ran, std::vector<int>{0});
    EXPECT_EQ(BusyScope::Depth(), 1);
  }
  EXPECT_EQ(ran, (std::vector<int>{0, 1, 2}));
  { BusyScope again; }
  EXPECT_EQ(ran.size(), 3u);
}

}  // namespace
}  // namespace charart::forms
