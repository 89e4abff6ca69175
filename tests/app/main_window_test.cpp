// The main window driven headless: the real description and handlers, the
// real engine on libgdiplus, Qt offscreen, clicks and typing as Qt events.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "app/handlers.h"
#include "app/main_window_description.h"
#include "engine/character_art.h"
#include "imaging/core/gdiplus_session.h"
#include "platform/forms/busy_scope.h"
#include "platform/forms/event_pump.h"
#include "platform/forms/window_runtime.h"
#include "tests/app/gdiplus_spy.h"
#include "tests/support/forms_events.h"
#include "values/conversions.h"

namespace charart::app {
namespace {

using forms::kPropertyContent;
using forms::kPropertyCurrentText;

// GBK bytes of a UTF-8 literal.
std::string G(const char* utf8) {
  return std::string(values::Gbk(utf8).View());
}

// What the builder makes of `text` with the two symbols (GDI+ must run).
std::string Art(const char* text, const char* hollow, const char* filled) {
  return std::string(engine::BuildCharacterArt(values::TextToWideGbk(values::Gbk(text)),
                                               values::TextToWideGbk(values::Gbk(hollow)),
                                               values::TextToWideGbk(values::Gbk(filled)))
                         .View());
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureFormsApplication();
    window_ = forms::Window::Load(MainWindowDescription(), MainWindowBindings());
  }
  void TearDown() override {
    forms::SetPumpObserverForTesting({});
    window_.reset();
  }

  QWidget* Widget(std::string_view name = {}) const { return window_->Widget(name); }
  std::string Read(std::string_view control, std::int32_t number) const {
    return window_->ReadProperty(control, number);
  }
  std::string Output() const { return Read(kOutputBox, kPropertyContent); }
  void SetInput(const char* utf8) { window_->WriteProperty(kInputBox, kPropertyContent, G(utf8)); }
  // Replaces a combo box's text the way the user does: select all, type.
  void TypeIntoList(std::string_view list, const char* utf8) {
    QLineEdit* field = qobject_cast<QComboBox*>(Widget(list))->lineEdit();
    field->selectAll();
    testing::PressKey(field, Qt::Key_Delete);
    testing::Type(field, QString::fromUtf8(utf8));
  }
  void ClickConvert() { testing::Click(Widget(kConvertButton)); }

  std::unique_ptr<forms::Window> window_;
};

TEST_F(MainWindowTest, StartUpRunsGdiplusAndSelectsTheFirstSymbolOfEachList) {
  EXPECT_NE(imaging::GdiplusToken, 0u);
  EXPECT_EQ(Read(kHollowList, kPropertyCurrentText), G("○"));
  EXPECT_EQ(Read(kFilledList, kPropertyCurrentText), G("●"));
  EXPECT_EQ(qobject_cast<QComboBox*>(Widget(kHollowList))->currentIndex(), 0);
  EXPECT_EQ(qobject_cast<QComboBox*>(Widget(kFilledList))->currentIndex(), 0);
  EXPECT_EQ(Output(), "");

  window_.reset();
  EXPECT_EQ(imaging::GdiplusToken, 0u);  // shut down with the window
}

TEST_F(MainWindowTest, TheListsHoldTheirFourSymbolsInOrder) {
  const struct {
    std::string_view list;
    std::vector<const char*> items;
  } cases[] = {
      {kHollowList, {"○", "◇", "☆", "□"}},
      {kFilledList, {"●", "◆", "★", "■"}},
  };
  for (const auto& c : cases) {
    auto* combo = qobject_cast<QComboBox*>(Widget(c.list));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    ASSERT_EQ(combo->count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(combo->itemText(i), QString::fromUtf8(c.items[i]));
  }
  auto* output = qobject_cast<QPlainTextEdit*>(Widget(kOutputBox));
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(MainWindowTest, TypingIntoTheInputChangesNothingElse) {
  window_->WriteProperty(kOutputBox, kPropertyContent, G("旧\r\n"));
  const auto snapshot = [this] {
    return std::vector<std::string>{Read(kHollowList, kPropertyCurrentText),
                                    Read(kFilledList, kPropertyCurrentText), Output()};
  };
  const auto before = snapshot();
  const std::uintptr_t token = imaging::GdiplusToken;

  QWidget* input = Widget(kInputBox);
  qobject_cast<QLineEdit*>(input)->end(false);
  testing::Type(input, "画字");
  testing::PressKey(input, Qt::Key_Backspace);

  EXPECT_EQ(Read(kInputBox, kPropertyContent), G("字符画画"));
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(imaging::GdiplusToken, token);
}

TEST_F(MainWindowTest, ConvertFillsTheOutputWithExactlyTheBuildersText) {
  const std::string expected = Art("字符画", "○", "●");
  ASSERT_FALSE(expected.empty());

  ClickConvert();  // the sample text, the symbols chosen at start-up

  EXPECT_EQ(Output(), expected);
  // One line per picture row, each ended by CR LF, the last included.
  ASSERT_GE(expected.size(), 2u);
  EXPECT_EQ(expected.substr(expected.size() - 2), "\r\n");
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(Widget(kOutputBox))->blockCount() - 1,
            static_cast<int>(std::count(expected.begin(), expected.end(), '\n')));
}

TEST_F(MainWindowTest, AnEmptyInputLeavesTheOutputAsItWas) {
  window_->WriteProperty(kOutputBox, kPropertyContent, G("旧的字符画\r\n"));
  qobject_cast<QLineEdit*>(Widget(kInputBox))->clear();
  const std::int64_t pumps = forms::PumpCount();

  ClickConvert();

  EXPECT_EQ(Output(), G("旧的字符画\r\n"));
  EXPECT_EQ(forms::PumpCount(), pumps);  // no conversion ran
}

TEST_F(MainWindowTest, TheListsCurrentTextsAreTheSymbolsTypedOrEmptied) {
  const struct {
    const char* hollow;
    const char* filled;
  } cases[] = {
      {"◇", "■"},    // other items
      {"口", "田"},  // typed, not items
      {"", "●"},     // an emptied list adds nothing for its pixels
      {"○", ""},     //
      {"ab", "#"},   // several characters, emitted whole
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.hollow) + " " + c.filled);
    const std::string expected = Art("字", c.hollow, c.filled);
    SetInput("字");
    TypeIntoList(kHollowList, c.hollow);
    TypeIntoList(kFilledList, c.filled);
    ASSERT_EQ(Read(kHollowList, kPropertyCurrentText), G(c.hollow));
    ASSERT_EQ(Read(kFilledList, kPropertyCurrentText), G(c.filled));

    ClickConvert();

    EXPECT_EQ(Output(), expected);
  }
  // The emptied-symbol rows hold only the other symbol and the line ends.
  TypeIntoList(kHollowList, "");
  TypeIntoList(kFilledList, "●");
  ClickConvert();
  const std::string art = Output();
  ASSERT_FALSE(art.empty());
  for (std::size_t i = 0; i < art.size();) {
    if (art.compare(i, 2, "\r\n") == 0) {
      i += 2;
    } else {
      ASSERT_EQ(art.compare(i, 2, G("●")), 0) << "at byte " << i;
      i += 2;
    }
  }
}

TEST_F(MainWindowTest, AClickDuringTheConversionPumpRunsNestedAndTheOuterResultIsWrittenLast) {
  testing::GdiplusSpy spy;
  const std::string outer = Art("字", "○", "●");
  const std::string inner = Art("画", "○", "●");
  ASSERT_NE(outer, inner);

  // Every write into the output box, with the number of conversions running.
  std::vector<std::pair<std::string, int>> writes;
  auto* box = qobject_cast<QPlainTextEdit*>(Widget(kOutputBox));
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [&] {
    if (!box->document()->isEmpty()) writes.emplace_back(Output(), forms::BusyScope::Depth());
  });

  SetInput("字");
  // Delivered by the first pump of the conversion: the user types another
  // text and clicks convert again.
  QMetaObject::invokeMethod(
      box, [this] { SetInput("画"); }, Qt::QueuedConnection);
  testing::PostClick(Widget(kConvertButton));
  ClickConvert();

  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], std::make_pair(inner, 2));  // nested inside the outer run
  EXPECT_EQ(writes[1], std::make_pair(outer, 1));
  EXPECT_EQ(Output(), outer);
  EXPECT_EQ(forms::BusyScope::Depth(), 0);
  EXPECT_EQ(spy.Watch().shutdowns, 0);
}

TEST_F(MainWindowTest, ACloseDuringTheConversionPumpWaitsForItAndGdiplusStopsAfterIt) {
  const std::string expected = Art("字符画", "○", "●");
  testing::GdiplusSpy spy;

  // The window as each pump of the conversion finds it, once the close is in.
  bool closeDelivered = false;
  std::vector<bool> visibleAfterClose;
  forms::SetPumpObserverForTesting([&] {
    if (closeDelivered) visibleAfterClose.push_back(window_->Widget()->isVisible());
  });
  QTimer::singleShot(0, Widget(), [&] {
    testing::PostCloseRequest(Widget());
    QMetaObject::invokeMethod(
        Widget(), [&] { closeDelivered = true; }, Qt::QueuedConnection);
    ClickConvert();
  });
  QTimer::singleShot(20000, Widget(), [] { QCoreApplication::exit(1); });  // a hung loop fails

  EXPECT_EQ(window_->Run(), 0);

  EXPECT_TRUE(window_->IsClosed());
  EXPECT_EQ(Output(), expected);  // the conversion ran to its end
  ASSERT_FALSE(visibleAfterClose.empty());
  EXPECT_EQ(std::count(visibleAfterClose.begin(), visibleAfterClose.end(), false), 0);
  EXPECT_EQ(imaging::GdiplusToken, 0u);
  EXPECT_EQ(spy.Watch().shutdowns, 1);
  EXPECT_EQ(spy.Watch().shutdownsUnderConversion, 0);
  EXPECT_EQ(spy.Watch().callsAfterShutdown, 0);
}

TEST(SavePicturePath, IsTheProgramDirectoryAndTheFileNameOrNothing) {
  const struct {
    std::optional<std::string> directory;
    std::optional<std::string> path;
  } cases[] = {
      {G("/opt/工具"), G("/opt/工具/字符画.png")},
      {"", G("/字符画.png")},        // a program in the root directory
      {std::nullopt, std::nullopt},  // no GBK form: no path at all
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.directory.value_or("(none)"));
    const auto path = SavePicturePath(c.directory);
    ASSERT_EQ(path.has_value(), c.path.has_value());
    if (path) {
      EXPECT_EQ(std::string(path->View()), *c.path);
    }
  }
}

}  // namespace
}  // namespace charart::app
