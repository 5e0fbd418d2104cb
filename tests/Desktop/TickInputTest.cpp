// A window whose timer ticks as a poll does, each tick holding the loop as
// an exchange on the wire does, under a person's real keys.
#include "Platform/Window/Event.h"
#include "Platform/Window/Window.h"
#include "Platform/Window/WindowStyle.h"
#include "Platform/Wx/WxBackend.h"
#include "Platform/Wx/WxView.h"
#include "tests/Desktop/DrawWatch.h"
#include "tests/Desktop/InputTest.h"

#include <wx/textctrl.h>

#include <X11/keysym.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace
{
using namespace Platform;
typedef std::chrono::steady_clock Clock;

const int fieldId = 1001;
const int valueId = 1002;
const unsigned timerId = 7;
const unsigned pollPeriod = 15;
// An exchange at a low baud rate outlasts the period.
const std::chrono::milliseconds exchangeTime(60);
const int keys = 24;

class TickInputTest : public InputTest
{
};

// Keys pressed at every moment around a tick's end, where the toolkit has
// just drawn the tick's result and the next tick is due at once: each key
// the program takes in shows in the field before the next tick's exchange
// holds the loop, not one exchange later.
TEST_F(TickInputTest, AKeyTakenInBetweenTicksShowsBeforeTheNextExchange)
{
    WindowStyle style;
    style.child = false;
    Window frame(WindowKind::Frame, 0, "Ticks", style, Rectangle(40, 40, 440, 160));
    Window& field = frame.createChild(WindowKind::Edit, fieldId, "", WindowStyle(), Rectangle(10, 10, 300, 34));
    Window& value = frame.createChild(WindowKind::Static, valueId, "", WindowStyle(), Rectangle(10, 50, 300, 80));
    backend().openWindow(frame);
    backend().settle(500);
    wxTextCtrl* text = dynamic_cast<wxTextCtrl*>(backend().view().widgetOf(field));
    ASSERT_NE(text, nullptr);
    const DrawWatch drawn(*text, [text]() { return static_cast<int>(text->GetValue().length()); });

    std::mutex lock;
    std::vector<Clock::time_point> tickStarts;
    std::vector<Clock::time_point> taken(keys + 1);
    std::atomic<long long> lastTickEnd{0};
    std::atomic<int> ticks{0};
    frame.on(Notification::TimerTick, static_cast<int>(timerId), [&](Event&) {
        {
            const std::lock_guard<std::mutex> guard(lock);
            tickStarts.push_back(Clock::now());
        }
        std::this_thread::sleep_for(exchangeTime);
        // The polled value changes, as a unit's status does: drawn after the tick.
        value.setText("value " + std::to_string(++ticks));
        lastTickEnd = Clock::now().time_since_epoch().count();
    });
    field.on(Notification::EditChanged, [&](Event&) {
        const std::size_t length = field.text().size();
        if (length < taken.size())
        {
            taken[length] = Clock::now();
        }
    });
    backend().setTimer(frame, timerId, pollPeriod);

    user.start([&](DesktopUser& aUser) {
        aUser.clickOn([text]() { return text; });
        DesktopUser::pause(std::chrono::milliseconds(300));
        for (int key = 0; key < keys; ++key)
        {
            // A tick ends, then the key comes 0 to 5.75 ms later.
            const long long seen = lastTickEnd;
            while (lastTickEnd == seen)
            {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
            std::this_thread::sleep_for(std::chrono::microseconds(250 * key));
            aUser.press('a');
            DesktopUser::pause(std::chrono::milliseconds(100));
        }
        DesktopUser::pause(std::chrono::milliseconds(300));
        aUser.look([this, &frame]() {
            backend().killTimer(frame, timerId);
            backend().postQuit(0);
            return true;
        });
    });
    backend().runMessageLoop();
    user.finish();
    backend().closeWindow(frame);

    ASSERT_EQ(field.text(), std::string(keys, 'a'));
    const std::vector<DrawWatch::Drawing> drawings = drawn.drawings();
    for (int length = 1; length <= keys; ++length)
    {
        const auto nextTick = std::find_if(tickStarts.begin(), tickStarts.end(),
                                           [&](const Clock::time_point& aStart) { return aStart > taken[length]; });
        const auto shown = std::find_if(drawings.begin(), drawings.end(), [&](const DrawWatch::Drawing& aDrawing) {
            return aDrawing.value >= length && aDrawing.at >= taken[length];
        });
        ASSERT_NE(shown, drawings.end()) << "key " << length << " never showed";
        if (nextTick != tickStarts.end())
        {
            EXPECT_LT(shown->at, *nextTick) << "key " << length << " showed only after the next tick's exchange";
        }
    }
}
}
