#include "Platform/Wx/WxBackend.h"

#include "Platform/Assertion.h"
#include "Platform/SteadyWait.h"
#include "Platform/WaitInterrupted.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/Window.h"
#include "Platform/Wx/CloseKey.h"
#include "Platform/Wx/WxStyle.h"
#include "Platform/Wx/WxView.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/evtloopsrc.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <chrono>
#include <optional>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace Platform
{
namespace
{
wxString toWx(const std::string& aText)
{
    return wxString::FromUTF8(aText.c_str());
}

const char* labelOf(int anAnswer)
{
    switch (anAnswer)
    {
    case DialogResult::ok:
        return "OK";
    case DialogResult::cancel:
        return "Cancel";
    case DialogResult::abort:
        return "&Abort";
    case DialogResult::retry:
        return "&Retry";
    case DialogResult::ignore:
        return "&Ignore";
    case DialogResult::yes:
        return "&Yes";
    case DialogResult::no:
        return "&No";
    }
    return "?";
}

wxArtID artOf(MessageBoxIcon anIcon)
{
    switch (anIcon)
    {
    case MessageBoxIcon::Information:
        return wxART_INFORMATION;
    case MessageBoxIcon::Question:
        return wxART_QUESTION;
    case MessageBoxIcon::Warning:
        return wxART_WARNING;
    case MessageBoxIcon::Error:
        return wxART_ERROR;
    case MessageBoxIcon::None:
        break;
    }
    return wxArtID();
}

// A message box's text breaks between words at this many average letters,
// a width that reads well; a text too tall for the screen at that width
// gets wider lines instead, up to most of the screen's width.
constexpr int readableLetters = 70;
constexpr int widestPercentOfScreen = 90;
// What the box adds around its text: icon, margins, the button row and the
// desktop's title bar.
constexpr int boxMargin = 10;
constexpr int titleBarAllowance = 40;
// The desktop's title bar also holds the close box and room on either side.
constexpr int titleButtonsAllowance = 96;

// The message box: its text, its icon and one button per answer; the close
// box and Escape give the box's dismissal, where it has one. It opens centred
// on its owner, its text wrapped to a readable width that fits the screen,
// and is at least as wide as its title needs.
class MessageDialog : public wxDialog
{
public:
    static constexpr int firstButtonId = wxID_HIGHEST + 100;

    MessageDialog(wxWindow* anOwner, const MessageBoxRequest& aRequest)
        : wxDialog(anOwner, wxID_ANY, toWx(aRequest.caption), wxDefaultPosition, wxDefaultSize,
                   wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
          myDismissal(aRequest.dismissal())
    {
        SetEscapeId(wxID_NONE);
        SetFont(WxStyle::dialogFont());
        wxBoxSizer* content = new wxBoxSizer(wxHORIZONTAL);
        const wxArtID art = artOf(aRequest.icon);
        int iconWidth = 0;
        if (!art.empty())
        {
            wxStaticBitmap* icon = new wxStaticBitmap(this, wxID_ANY, wxArtProvider::GetBitmap(art, wxART_MESSAGE_BOX));
            iconWidth = icon->GetBestSize().x + 2 * boxMargin;
            content->Add(icon, 0, wxALL, boxMargin);
        }
        wxStaticText* text = new wxStaticText(this, wxID_ANY, toWx(aRequest.text));
        // Measured in the font it is drawn in, so that its lines fill the box.
        text->SetFont(WxStyle::dialogFont());
        content->Add(text, 1, wxALL | wxALIGN_CENTER_VERTICAL, boxMargin);
        wxBoxSizer* buttons = new wxBoxSizer(wxHORIZONTAL);
        const std::vector<int> answers = aRequest.answers();
        for (std::size_t index = 0; index < answers.size(); ++index)
        {
            const int answer = answers[index];
            wxButton* button = new wxButton(this, firstButtonId + answer, labelOf(answer));
            button->Bind(wxEVT_BUTTON, [this, answer](wxCommandEvent&) { EndModal(answer); });
            buttons->Add(button, 0, wxALL, 5);
            if (index == 0)
            {
                button->SetDefault();
                button->SetFocus();
            }
        }
        wxBoxSizer* all = new wxBoxSizer(wxVERTICAL);
        all->Add(content, 1, wxEXPAND);
        all->Add(buttons, 0, wxALIGN_CENTER | wxBOTTOM, 5);
        SetSizer(all);

        const wxRect screen = screenOf(anOwner);
        const int buttonsHeight = buttons->GetMinSize().y + 5;
        wrap(*text, toWx(aRequest.text), screen.width - iconWidth - 2 * boxMargin,
             screen.height - buttonsHeight - 2 * boxMargin - titleBarAllowance);
        // The title shows whole beside the desktop's buttons on the title bar.
        wxClientDC measure(this);
        measure.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold());
        const int titleWidth = measure.GetTextExtent(toWx(aRequest.caption)).x + titleButtonsAllowance;
        Fit();
        const wxSize fitted = GetClientSize();
        SetMinClientSize(wxSize(std::min(screen.width, std::max(fitted.x, titleWidth)), fitted.y));
        Fit();
        myFitted = GetClientSize();
        myOwned = anOwner != nullptr && anOwner->IsShownOnScreen();
        myScreen = screen;
        centre();
        // The window manager frames the box only once it is shown: it takes
        // the frame from the client area, and places a box that no window
        // owns where it likes (the top-left corner). Both are put right once
        // the frame is known.
        Bind(wxEVT_SIZE, [this](wxSizeEvent& anEvent) {
            settleLater();
            anEvent.Skip();
        });
        Bind(wxEVT_MOVE, [this](wxMoveEvent& anEvent) {
            settleLater();
            anEvent.Skip();
        });
        Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& anEvent) {
            if (myDismissal != 0)
            {
                EndModal(myDismissal);
            }
            else if (anEvent.CanVeto())
            {
                anEvent.Veto();
            }
        });
        Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& anEvent) {
            if (anEvent.GetKeyCode() == WXK_ESCAPE || isCloseKey(anEvent))
            {
                if (myDismissal != 0)
                {
                    EndModal(myDismissal);
                }
                return;
            }
            anEvent.Skip();
        });
    }

private:
    void centre()
    {
        if (myOwned)
        {
            CentreOnParent();
        }
        else
        {
            const wxSize size = GetSize();
            Move(myScreen.x + (myScreen.width - size.x) / 2, myScreen.y + (myScreen.height - size.y) / 2);
        }
    }

    void settleLater()
    {
        if (!mySettled && !mySettling)
        {
            mySettling = true;
            CallAfter([this]() { settle(); });
        }
    }

    // Gives the box its whole client area back and centres it, until the
    // window manager has framed it: from then on the box is the user's to move.
    void settle()
    {
        mySettling = false;
        const bool framed = GetSize().y > GetClientSize().y;
        if (GetClientSize() != myFitted)
        {
            SetClientSize(myFitted);
            return;
        }
        const wxPoint before = GetPosition();
        centre();
        mySettled = framed && GetPosition() == before;
    }

    static wxRect screenOf(wxWindow* anOwner)
    {
        const int index = anOwner != nullptr ? wxDisplay::GetFromWindow(anOwner) : wxNOT_FOUND;
        return wxDisplay(index != wxNOT_FOUND ? static_cast<unsigned>(index) : 0u).GetClientArea();
    }

    // Breaks the text at a readable width, or wider where that is too tall
    // for aRoomHeight, never wider than aRoomWidth. The label is as large as
    // its lines: the desktop's own guess for a wrapping label is wider.
    void wrap(wxStaticText& aText, const wxString& aWords, int aRoomWidth, int aRoomHeight)
    {
        const int widest = std::max(1, aRoomWidth * widestPercentOfScreen / 100);
        int width = std::min(widest, readableLetters * aText.GetCharWidth());
        wxClientDC measure(&aText);
        measure.SetFont(aText.GetFont());
        wxSize lines;
        for (;;)
        {
            aText.SetLabel(aWords);
            aText.Wrap(width);
            lines = measure.GetMultiLineTextExtent(aText.GetLabel());
            if (lines.y <= aRoomHeight || width >= widest)
            {
                break;
            }
            width = std::min(widest, width * 3 / 2);
        }
        aText.SetMinSize(lines);
    }

    int myDismissal;
    wxSize myFitted;
    wxRect myScreen;
    bool myOwned = false;
    bool mySettling = false;
    bool mySettled = false;
};

// The wildcard of a file dialog: "Text Files (*.txt)|*.txt|All Files (*.*)|*.*".
wxString wildcardOf(const FileDialogRequest& aRequest)
{
    std::string wildcard;
    for (const FileDialogRequest::Filter& filter : aRequest.filters())
    {
        if (!wildcard.empty())
        {
            wildcard += "|";
        }
        wildcard += filter.description + "|" + FileDialogRequest::anyCase(filter.patterns);
    }
    return toWx(wildcard.empty() ? std::string("*") : wildcard);
}

// Makes sure a loop is active for dispatching outside any running loop.
class ActiveLoop
{
public:
    ActiveLoop()
    {
        if (wxEventLoopBase::GetActive() == nullptr)
        {
            myLoop = std::make_unique<wxGUIEventLoop>();
            myActivator = std::make_unique<wxEventLoopActivator>(myLoop.get());
        }
    }
    ActiveLoop(const ActiveLoop&) = delete;
    ActiveLoop& operator=(const ActiveLoop&) = delete;

    wxEventLoopBase& loop() const { return *wxEventLoopBase::GetActive(); }

private:
    // Declared in this order so that the activator goes before its loop.
    std::unique_ptr<wxGUIEventLoop> myLoop;
    std::unique_ptr<wxEventLoopActivator> myActivator;
};

bool theToolkitStarted = false;

// The longest a program waits for its window to be drawn (paintNow).
constexpr int maximumDrawMilliseconds = 500;

// While a modal window runs, no tip shows: the one showing goes, and the
// widgets behind the window show none until it ends (the pointer resting on
// a tool would bring its tip back over the window).
class ToolTipsAway
{
public:
    explicit ToolTipsAway(WxView& aView) : myView(aView)
    {
        myView.suspendToolTips(true);
        GList* windows = gtk_window_list_toplevels();
        for (GList* item = windows; item != nullptr; item = item->next)
        {
            GtkWidget* window = GTK_WIDGET(item->data);
            const bool tip = g_strcmp0(gtk_widget_get_name(window), "gtk-tooltip") == 0 ||
                             g_strcmp0(G_OBJECT_TYPE_NAME(window), "GtkTooltipWindow") == 0;
            if (tip && gtk_widget_get_visible(window))
            {
                gtk_widget_hide(window);
            }
        }
        g_list_free(windows);
    }
    ~ToolTipsAway() { myView.suspendToolTips(false); }
    ToolTipsAway(const ToolTipsAway&) = delete;
    ToolTipsAway& operator=(const ToolTipsAway&) = delete;

private:
    WxView& myView;
};

// While it lives the backend only draws: no tick and no queued action runs.
struct Painting
{
    explicit Painting(unsigned& aDepth) : depth(aDepth) { ++depth; }
    ~Painting() { --depth; }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    unsigned& depth;
};

// How often a wait on the unit lets the window repaint.
constexpr std::chrono::milliseconds repaintInterval(10);

// Where the dialog manager puts the focus when a dialog comes up: its first
// control, in template order, that takes it with the Tab key.
Window* firstStop(Window& aParent)
{
    for (Window* child : aParent.children())
    {
        if (!child->isReachable())
        {
            continue;
        }
        if (child->canTakeFocus() && child->style().tabStop)
        {
            return child;
        }
        if (child->kind() == WindowKind::Dialog)
        {
            if (Window* inner = firstStop(*child))
            {
                return inner;
            }
        }
    }
    return nullptr;
}
}

// A window's timer: it ticks while its window exists. Each tick is one shot,
// armed again only once the toolkit has handled what waits (input, redraws):
// an exchange that outlasts the period never starves the window. The next
// tick keeps the period's rhythm when the tick was shorter than it. It is a
// source of the loop's own rather than the toolkit's timer, which would have
// every widget visited for idle time after each tick: a tick asks for that
// only when it changed what the widgets are.
class WxBackend::Timer
{
public:
    Timer(WxBackend& aBackend, Window& aWindow, unsigned anId) : myBackend(aBackend), myWindow(aWindow), myId(anId) {}
    ~Timer()
    {
        removeSource(myRearm);
        removeSource(mySource);
    }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool belongsTo(const Window& aWindow, unsigned anId) const { return myWindow.get() == &aWindow && myId == anId; }
    bool isOrphan() const { return !myWindow.alive(); }
    const Window* window() const { return myWindow.get(); }

    void begin(unsigned aMilliseconds)
    {
        removeSource(myRearm);
        myHeld = false;
        myPeriod = std::chrono::milliseconds(std::max(1u, aMilliseconds));
        myActive = true;
        armIn(myPeriod);
    }

    void end()
    {
        myActive = false;
        myHeld = false;
        removeSource(myRearm);
        removeSource(mySource);
    }

    // A tick that fell due while ticks were held comes now.
    void release()
    {
        if (myHeld && myActive)
        {
            myHeld = false;
            armIn(std::chrono::milliseconds(1));
        }
    }

private:
    void armIn(std::chrono::milliseconds aDelay)
    {
        removeSource(mySource);
        mySource = g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(aDelay.count()), &Timer::fire, this, nullptr);
    }

    static void removeSource(guint& aSource)
    {
        if (aSource != 0)
        {
            g_source_remove(aSource);
            aSource = 0;
        }
    }

    void tick()
    {
        Window* window = myWindow.get();
        if (window == nullptr || !myActive)
        {
            return;
        }
        WxBackend& backend = myBackend;
        if (!backend.mayTick(*window))
        {
            myHeld = true;
            return;
        }
        // What the input taken since the last tick changed shows before this
        // tick's exchange holds the loop: the toolkit's own drawing waits
        // for its next frame, which may come one exchange later.
        backend.drawWhatWaits();
        const auto started = std::chrono::steady_clock::now();
        // A tick's own quick exchange is not kept from its end by drawing:
        // the window repaints only once the tick has lasted a while.
        backend.myLastRepaint = started;
        ++backend.myTicking;
        ++backend.myTickCount;
        const unsigned long shapeBefore = backend.myView->shapeChanges();
        const int id = static_cast<int>(myId);
        backend.guard([window, id]() {
            Event event(Notification::TimerTick, *window, id);
            window->notify(event);
        });
        --backend.myTicking;
        // The handler may have killed the timer (this object lives on until
        // no tick runs) or set it afresh.
        if (myActive && mySource == 0 && myRearm == 0)
        {
            myStarted = started;
            myRearm = g_idle_add_full(rearmPriority, &Timer::rearm, this, nullptr);
        }
        backend.afterDispatch();
        // Widgets made, dropped, shown or hidden settle in the toolkit's idle
        // time (their focus order, their showing); a tick that changed only
        // what they show needs none. Events posted meanwhile, from another
        // thread too, are handled there as well: the drawing during a long
        // exchange takes away the toolkit's own call for idle time.
        if (backend.myView->shapeChanges() != shapeBefore || !backend.myDeadTimers.empty() ||
            wxTheApp->HasPendingEvents())
        {
            wxWakeUpIdle();
        }
    }

    static gboolean fire(gpointer aTimer)
    {
        Timer& timer = *static_cast<Timer*>(aTimer);
        timer.mySource = 0;
        timer.tick();
        return G_SOURCE_REMOVE;
    }

    // Below input and redraw, and below the toolkit's idle time, where the
    // posted messages go: the timer is armed only once the loop has drained them.
    static constexpr gint rearmPriority = G_PRIORITY_LOW + 1;

    static gboolean rearm(gpointer aTimer)
    {
        Timer& timer = *static_cast<Timer*>(aTimer);
        timer.myRearm = 0;
        if (timer.myActive)
        {
            const auto spent = std::chrono::steady_clock::now() - timer.myStarted;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(timer.myPeriod - spent);
            timer.armIn(std::max(std::chrono::milliseconds(1), left));
        }
        return G_SOURCE_REMOVE;
    }

    WxBackend& myBackend;
    Window::Watch myWindow;
    unsigned myId;
    std::chrono::milliseconds myPeriod{1};
    std::chrono::steady_clock::time_point myStarted;
    guint myRearm = 0;
    guint mySource = 0;
    bool myActive = false;
    bool myHeld = false;
};

struct WxBackend::ModalLoop
{
    explicit ModalLoop(Window& aDialog) : dialog(aDialog) {}
    Window::Watch dialog;
    wxGUIEventLoop loop;
};

namespace
{
// The write end of the pipe that wakes the loop on a signal; -1 without one.
volatile sig_atomic_t theSignalPipe = -1;
volatile sig_atomic_t theSignalled = 0;

const int closingSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The failed write tells it with its error.
extern "C" void onWriteFailureSignal(int)
{
}

// Only what is safe in a handler: the close itself runs from the loop.
extern "C" void onClosingSignal(int aSignal)
{
    if (theSignalled != 0)
    {
        // Asked twice: the person means it, whatever the program is busy with.
        signal(aSignal, SIG_DFL);
        raise(aSignal);
        return;
    }
    theSignalled = 1;
    const int saved = errno;
    const char byte = 1;
    if (write(theSignalPipe, &byte, 1) < 0)
    {
        // A full pipe already holds a wake-up.
    }
    errno = saved;
}
}

// Watches the read end of the signal pipe from every loop of the toolkit,
// the yields of a wait on the unit included.
class WxBackend::SignalSource : public wxEventLoopSourceHandler
{
public:
    SignalSource(WxBackend& aBackend, const std::function<void()>& aClose) : myBackend(aBackend), myClose(aClose)
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        {
            throw std::runtime_error("The signal pipe could not be made.");
        }
        myReadEnd = ends[0];
        myWriteEnd = ends[1];
        theSignalled = 0;
        theSignalPipe = myWriteEnd;
        mySource.reset(wxEventLoopBase::AddSourceForFD(myReadEnd, this, wxEVENT_SOURCE_INPUT));
        struct sigaction action = {};
        action.sa_handler = onClosingSignal;
        sigemptyset(&action.sa_mask);
        // A read or write the signal lands in goes on: the frame on the wire ends whole.
        action.sa_flags = SA_RESTART;
        for (const int number : closingSignals)
        {
            sigaction(number, &action, nullptr);
        }
        // A file past its size limit or a pipe nobody reads fails the write
        // instead of ending the program. Handled, not ignored: an ignored
        // signal stays ignored in a program started from here.
        struct sigaction quiet = {};
        quiet.sa_handler = onWriteFailureSignal;
        sigemptyset(&quiet.sa_mask);
        quiet.sa_flags = SA_RESTART;
        sigaction(SIGXFSZ, &quiet, nullptr);
        sigaction(SIGPIPE, &quiet, nullptr);
    }

    ~SignalSource() override
    {
        for (const int number : closingSignals)
        {
            signal(number, SIG_DFL);
        }
        theSignalPipe = -1;
        mySource.reset();
        ::close(myReadEnd);
        ::close(myWriteEnd);
    }

    SignalSource(const SignalSource&) = delete;
    SignalSource& operator=(const SignalSource&) = delete;

    void OnReadWaiting() override
    {
        char bytes[16];
        while (read(myReadEnd, bytes, sizeof bytes) > 0)
        {
        }
        if (myTaken)
        {
            return;
        }
        myTaken = true;
        myRounds = 0;
        const std::function<void()> close = [this]() { closeNow(); };
        // From the loop, never from inside the handler that happened to be
        // running when the loop looked at the pipe.
        if (myBackend.myPainting > 0)
        {
            myBackend.requestClose(close);
        }
        else
        {
            myBackend.later(close);
        }
    }
    void OnWriteWaiting() override {}
    void OnExceptionWaiting() override {}

private:
    // Nobody answers a dialog for a signal: a modal dialog or box ends as
    // its Cancel, and the close comes once it has returned. Bounded, in case
    // the program keeps opening new ones.
    void closeNow()
    {
        if (++myRounds < maximumRounds && myBackend.endInnermostModal())
        {
            myBackend.later([this]() { closeNow(); });
            return;
        }
        myClose();
        // A close that left the program running (refused) ends the
        // closing: the next signal asks anew.
        if (!myBackend.myQuitPosted)
        {
            myTaken = false;
            theSignalled = 0;
        }
    }

    static constexpr unsigned maximumRounds = 200;

    WxBackend& myBackend;
    std::function<void()> myClose;
    int myReadEnd = -1;
    int myWriteEnd = -1;
    bool myTaken = false;
    unsigned myRounds = 0;
    std::unique_ptr<wxEventLoopSource> mySource;
};

WxBackend::WxBackend(const Resources* aResources)
{
    if (!theToolkitStarted && wxTheApp == nullptr)
    {
        // The program's own name names its windows' class, so that a desktop
        // groups and names each program's windows as its own.
        static int theArgumentCount = 1;
        static char* theArguments[] = {program_invocation_short_name, nullptr};
        // Plain widgets need no GL: the toolkit would load a whole software
        // renderer for nothing (a user's own setting stays).
        setenv("GDK_GL", "disable", 0);
        wxApp::SetInstance(new wxApp());
        if (!wxEntryStart(theArgumentCount, theArguments) || !wxTheApp->CallOnInit())
        {
            wxEntryCleanup();
            throw std::runtime_error("The display could not be opened.");
        }
        wxImage::AddHandler(new wxPNGHandler());
        // A toolkit complaint is reported, never a dialog that waits for someone.
        wxSetAssertHandler([](const wxString& aFile, int aLine, const wxString& aFunction, const wxString& aCondition,
                              const wxString& aMessage) {
            std::fprintf(stderr, "%s:%d: %s: %s %s\n", static_cast<const char*>(aFile.utf8_str()), aLine,
                         static_cast<const char*>(aFunction.utf8_str()), static_cast<const char*>(aCondition.utf8_str()),
                         static_cast<const char*>(aMessage.utf8_str()));
        });
        theToolkitStarted = true;
        myOwnsToolkit = true;
    }
    WxStyle::install();
    myDialogFont = WxStyle::measure(WxStyle::dialogFont());
    myFrameFont = WxStyle::measure(WxStyle::frameFont());
    // The programs' own loops decide when to end, not the last window closed.
    wxTheApp->SetExitOnFrameDelete(false);
    // The model decides what the widgets show: idle time is the backend's
    // alone, not a walk through every widget after each tick.
    wxIdleEvent::SetMode(wxIDLE_PROCESS_SPECIFIED);
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);
    wxTheApp->Bind(wxEVT_IDLE, &WxBackend::onIdleEvent, this);
    myView = std::make_unique<WxView>(*this, aResources);
    myPrevious = install(this);
    myPreviousPassHook = SteadyWait::setPassHook([this]() { repaintDuringWait(); });
}

WxBackend::~WxBackend()
{
    mySignals.reset();
    SteadyWait::setPassHook(myPreviousPassHook);
    if (wxTheApp != nullptr)
    {
        wxTheApp->Unbind(wxEVT_IDLE, &WxBackend::onIdleEvent, this);
    }
    for (std::unique_ptr<Timer>& timer : myTimers)
    {
        timer->end();
    }
    myTimers.clear();
    myDeadTimers.clear();
    myView.reset();
    if (isInstalled() && &current() == this)
    {
        install(myPrevious);
    }
    if (myWaitCursorShown)
    {
        wxEndBusyCursor();
    }
    if (myOwnsToolkit)
    {
        wxEntryCleanup();
        theToolkitStarted = false;
    }
}

const Window* WxBackend::innermostModal() const
{
    for (auto loop = myLoops.rbegin(); loop != myLoops.rend(); ++loop)
    {
        if ((*loop)->dialog.alive())
        {
            return (*loop)->dialog.get();
        }
    }
    return nullptr;
}

int WxBackend::runModal(Window& aDialog)
{
    VORNA_ASSERT(aDialog.kind() == WindowKind::Dialog);
    const ToolTipsAway noTips(*myView);
    ModalLoop modal(aDialog);
    myLoops.push_back(&modal);
    aDialog.beginModal();
    aDialog.show(true);
    myView->addRoot(aDialog);
    Window* focus = Window::focus();
    // The control that had the focus gets it back when the dialog closes.
    std::optional<Window::Watch> focusBefore;
    if (focus != nullptr && !aDialog.isAncestorOf(*focus))
    {
        focusBefore.emplace(*focus);
    }
    if (focus == nullptr || !aDialog.isAncestorOf(*focus))
    {
        if (Window* first = firstStop(aDialog))
        {
            guard([first]() { first->setFocus(); });
            afterDispatch();
        }
    }
    wxWindow* widget = myView->widgetOf(aDialog);
    {
        // Every other window waits while the dialog runs.
        wxWindowDisabler disabler(widget);
        if (widget != nullptr)
        {
            widget->Raise();
        }
        if (!aDialog.dialogEnded() && !myPendingError)
        {
            modal.loop.Run();
        }
    }
    myLoops.pop_back();
    releaseHeldTicks();
    if (myPendingError)
    {
        if (Window* dialog = modal.dialog.get())
        {
            dialog->finishModal();
            dialog->show(false);
            myView->removeRoot(*dialog);
        }
        rethrowPending();
    }
    Window* dialog = modal.dialog.get();
    if (dialog == nullptr)
    {
        // Nothing ran it to an end: the dialog failed, as a dialog that cannot be made does.
        afterDispatch();
        return -1;
    }
    dialog->finishModal();
    dialog->show(false);
    myView->removeRoot(*dialog);
    Window* before = focusBefore ? focusBefore->get() : nullptr;
    if (before != nullptr && before->isReachable())
    {
        guard([before]() { before->setFocus(); });
    }
    afterDispatch();
    return dialog->dialogResult();
}

int WxBackend::showMessageBox(const MessageBoxRequest& aRequest)
{
    myView->synchronise();
    const ToolTipsAway noTips(*myView);
    MessageDialog box(myView->ownerFor(nullptr), aRequest);
    MessageDialog* outer = static_cast<MessageDialog*>(myMessageBox);
    myMessageBox = &box;
    int answer = 0;
    {
        const NativeModal modal(*this);
        answer = box.ShowModal();
    }
    myMessageBox = outer;
    rethrowPending();
    return answer;
}

bool WxBackend::pressMessageBoxButton(int anAnswer)
{
    wxDialog* box = static_cast<wxDialog*>(myMessageBox);
    if (box == nullptr)
    {
        return false;
    }
    wxWindow* button = box->FindWindow(MessageDialog::firstButtonId + anAnswer);
    if (button == nullptr)
    {
        return false;
    }
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
    return true;
}

bool WxBackend::isMessageBoxShown() const
{
    return myMessageBox != nullptr;
}

wxWindow* WxBackend::messageBoxWidget() const
{
    return static_cast<wxDialog*>(myMessageBox);
}

bool WxBackend::askFileName(const FileDialogRequest& aRequest, std::string& aPath)
{
    myView->synchronise();
    const ToolTipsAway noTips(*myView);
    long style = aRequest.kind == FileDialogKind::Save ? wxFD_SAVE : wxFD_OPEN;
    if (aRequest.promptOverwrite)
    {
        style |= wxFD_OVERWRITE_PROMPT;
    }
    if (aRequest.fileMustExist)
    {
        style |= wxFD_FILE_MUST_EXIST;
    }
    // Owned by the program's window, over which it opens.
    wxFileDialog dialog(myView->ownerFor(nullptr), toWx(aRequest.title()), wxString(), toWx(aRequest.initialName),
                        wildcardOf(aRequest), style);
    // Centred on the window it belongs to, asked for rather than left to the
    // toolkit, whose default place may be the screen's corner.
    if (GtkWidget* chooser = dialog.GetHandle(); chooser != nullptr && GTK_IS_WINDOW(chooser))
    {
        gtk_window_set_position(GTK_WINDOW(chooser), GTK_WIN_POS_CENTER_ON_PARENT);
    }
    int answer = 0;
    {
        const NativeModal modal(*this);
        answer = dialog.ShowModal();
    }
    rethrowPending();
    if (answer != wxID_OK)
    {
        return false;
    }
    // The window is drawn again where the dialog was before the command goes
    // on: its exchanges with a unit would leave the dialog's picture there.
    if (wxWindow* owner = myView->ownerFor(nullptr))
    {
        redrawNow(*owner);
    }
    aPath = aRequest.completedPath(std::string(dialog.GetPath().utf8_str()));
    return true;
}

void WxBackend::showWaitCursor(bool aShown)
{
    if (aShown == myWaitCursorShown)
    {
        return;
    }
    myWaitCursorShown = aShown;
    if (aShown)
    {
        wxBeginBusyCursor();
    }
    else
    {
        wxEndBusyCursor();
    }
}

void WxBackend::setTimer(Window& aWindow, unsigned anId, unsigned aMilliseconds)
{
    for (std::unique_ptr<Timer>& timer : myTimers)
    {
        if (timer->belongsTo(aWindow, anId))
        {
            timer->begin(aMilliseconds);
            return;
        }
    }
    myTimers.push_back(std::make_unique<Timer>(*this, aWindow, anId));
    myTimers.back()->begin(aMilliseconds);
}

bool WxBackend::killTimer(Window& aWindow, unsigned anId)
{
    for (auto timer = myTimers.begin(); timer != myTimers.end(); ++timer)
    {
        if ((*timer)->belongsTo(aWindow, anId))
        {
            // Its tick may be running: the timer is deleted once no tick runs.
            (*timer)->end();
            myDeadTimers.push_back(std::move(*timer));
            myTimers.erase(timer);
            return true;
        }
    }
    return false;
}

void WxBackend::post(Window& aWindow, unsigned aMessage)
{
    const Window::Watch window(aWindow);
    later([window, aMessage]() {
        Window* target = window.get();
        if (target != nullptr)
        {
            Event event(Notification::Message, *target, static_cast<int>(aMessage));
            target->notify(event);
        }
    });
}

void WxBackend::later(const std::function<void()>& anAction)
{
    VORNA_ASSERT(anAction != nullptr);
    myQueue.push_back(anAction);
    wxWakeUpIdle();
}

bool WxBackend::hasPendingMessage()
{
    // A change of the model not yet drawn waits as a repaint does.
    if (!myQueue.empty() || myQuitPosted || wxTheApp->HasPendingEvents() ||
        Window::changeCount() != myPumpedChange)
    {
        return true;
    }
    ActiveLoop active;
    return active.loop().Pending();
}

bool WxBackend::pumpMessage()
{
    struct Pumping
    {
        explicit Pumping(unsigned& aDepth) : depth(aDepth) { ++depth; }
        ~Pumping() { --depth; }
        unsigned& depth;
    } pumping(myPumping);
    if (runQueued())
    {
        return true;
    }
    // The toolkit's posted events are posted messages as well; its loops
    // handle them only when idle, which a program's own wait never is.
    if (wxTheApp->HasPendingEvents())
    {
        guard([]() { wxTheApp->ProcessPendingEvents(); });
        afterDispatch();
        rethrowPending();
        return true;
    }
    // The quit request comes once no posted message waits, before the
    // toolkit's drawing, which may never run out while a run shows progress.
    if (myQuitPosted)
    {
        myQuitPosted = false;
        return false;
    }
    // What the program changed reaches the widgets, which then ask the
    // toolkit to draw it: the drawing comes with the toolkit's events below.
    if (Window::changeCount() != myPumpedChange)
    {
        myView->synchronise();
        myPumpedChange = Window::changeCount();
        return true;
    }
    ActiveLoop active;
    if (active.loop().Pending())
    {
        active.loop().Dispatch();
        afterDispatch();
        rethrowPending();
        return true;
    }
    wxTheApp->ProcessIdle();
    return true;
}

void WxBackend::postQuit(int aCode)
{
    myQuitPosted = true;
    myQuitCode = aCode;
    wxWakeUpIdle();
}

int WxBackend::runMessageLoop()
{
    wxGUIEventLoop loop;
    myMainLoops.push_back(&loop);
    if (!myPendingError)
    {
        loop.Run();
    }
    myMainLoops.pop_back();
    rethrowPending();
    return myQuitCode;
}

void WxBackend::openWindow(Window& aWindow)
{
    myView->addRoot(aWindow);
    if (wxWindow* widget = myView->widgetOf(aWindow))
    {
        widget->Raise();
    }
}

void WxBackend::closeWindow(Window& aWindow)
{
    myView->removeRoot(aWindow);
}

void WxBackend::paintNow(Window& aWindow)
{
    myView->synchronise();
    if (wxWindow* widget = myView->widgetOf(aWindow))
    {
        redrawNow(*widget);
    }
}

void WxBackend::redrawNow(wxWindow& aWidget)
{
    aWidget.Refresh();
    aWidget.Update();
    drawNow(aWidget);
}

void WxBackend::drawWhatWaits()
{
    // Window by window: drawing them all at once would also wait for the
    // display's answer on every tick.
    myView->rootWidgets(myRootWidgets);
    for (wxWindow* widget : myRootWidgets)
    {
        if (GdkWindow* window = gtk_widget_get_window(widget->GetHandle()))
        {
            G_GNUC_BEGIN_IGNORE_DEPRECATIONS
            gdk_window_process_updates(window, TRUE);
            G_GNUC_END_IGNORE_DEPRECATIONS
        }
    }
    gdk_display_flush(gdk_display_get_default());
}

void WxBackend::drawNow(wxWindow& aWidget)
{
    // The desktop maps a new window and draws it with its frame clock, in
    // the toolkit's loop: handle its drawing (and nothing of the user's)
    // until the window shows and nothing waits, within a bounded time, so
    // that a program that blocks next leaves its window painted.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maximumDrawMilliseconds);
    ActiveLoop active;
    {
        // Drawing only, as in a wait on the unit: a tick run from in here
        // would hold its whole exchange inside this yield, where no close
        // reaches it.
        const Painting painting(myPainting);
        int quietPasses = 0;
        while (std::chrono::steady_clock::now() < deadline && quietPasses < 3)
        {
            const bool busy = active.loop().Pending();
            active.loop().YieldFor(wxEVT_CATEGORY_UI);
            quietPasses = busy || !aWidget.IsShownOnScreen() ? 0 : quietPasses + 1;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    releaseHeldTicks();
}

Rectangle WxBackend::screenArea()
{
    const wxRect area = wxGetClientDisplayRect();
    return Rectangle(area.x, area.y, area.x + area.width, area.y + area.height);
}

int WxBackend::iconWidth()
{
    const int width = wxSystemSettings::GetMetric(wxSYS_ICON_X);
    return width > 0 ? width : 32;
}

int WxBackend::iconHeight()
{
    const int height = wxSystemSettings::GetMetric(wxSYS_ICON_Y);
    return height > 0 ? height : 32;
}

bool WxBackend::openWithDesktop(const std::string& aPath)
{
    return wxLaunchDefaultApplication(toWx(aPath));
}

FontMetrics WxBackend::dialogFont()
{
    return myDialogFont;
}

FontMetrics WxBackend::frameFont()
{
    return myFrameFont;
}

int WxBackend::tabRowsHeight(const std::vector<std::string>& aLabels, int aWidth)
{
    return WxStyle::tabRowsHeight(aLabels, aWidth);
}

void WxBackend::synchronise()
{
    myView->synchronise();
}

void WxBackend::settle(unsigned aMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(aMilliseconds);
    ActiveLoop active;
    int quietPasses = 0;
    while (std::chrono::steady_clock::now() < deadline && quietPasses < 5)
    {
        myView->synchronise();
        if (active.loop().Pending())
        {
            active.loop().Dispatch();
            quietPasses = 0;
            continue;
        }
        wxTheApp->ProcessIdle();
        ++quietPasses;
        // Drawing comes with the display's frame clock: give it a moment.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

namespace
{
// Read from the display itself: what a person sees there now.
bool savePartOfScreen(const std::string& aPath, const wxRect& aPart)
{
    GdkWindow* root = gdk_get_default_root_window();
    if (root == nullptr)
    {
        return false;
    }
    const wxRect screen(0, 0, gdk_window_get_width(root), gdk_window_get_height(root));
    const wxRect part = aPart.Intersect(screen);
    if (part.width <= 0 || part.height <= 0)
    {
        return false;
    }
    GdkPixbuf* picture = gdk_pixbuf_get_from_window(root, part.x, part.y, part.width, part.height);
    if (picture == nullptr)
    {
        return false;
    }
    const gboolean saved = gdk_pixbuf_save(picture, aPath.c_str(), "png", nullptr, nullptr);
    g_object_unref(picture);
    return saved != FALSE;
}
}

bool WxBackend::saveScreenshot(const std::string& aPath)
{
    myView->synchronise();
    return savePartOfScreen(aPath, wxRect(0, 0, INT_MAX / 2, INT_MAX / 2));
}

bool WxBackend::saveScreenshot(const std::string& aPath, const Window& aWindow)
{
    myView->synchronise();
    wxWindow* widget = myView->widgetOf(aWindow);
    if (widget == nullptr)
    {
        return false;
    }
    // A top-level window with its title bar and menu, where it has them.
    wxRect part = widget->GetScreenRect();
    if (widget->IsTopLevel())
    {
        const wxRect client(widget->ClientToScreen(wxPoint(0, 0)), widget->GetClientSize());
        part.Union(client);
    }
    return savePartOfScreen(aPath, part);
}

bool WxBackend::runQueued()
{
    if (myQueue.empty())
    {
        return false;
    }
    const std::function<void()> action = myQueue.front();
    myQueue.pop_front();
    guard(action);
    afterDispatch();
    return true;
}

void WxBackend::requestClose(const std::function<void()>& aClose)
{
    VORNA_ASSERT(aClose != nullptr);
    if (myPainting == 0)
    {
        aClose();
        return;
    }
    SteadyWait::interrupt();
    later([aClose]() {
        SteadyWait::clearInterrupt();
        aClose();
    });
}

bool WxBackend::endInnermostModal()
{
    if (myMessageBox != nullptr)
    {
        for (const int answer : {DialogResult::cancel, DialogResult::no, DialogResult::ok})
        {
            if (pressMessageBoxButton(answer))
            {
                break;
            }
        }
        return true;
    }
    if (myNativeModals > 0)
    {
        // A file dialog of the toolkit's.
        for (wxWindow* window : wxTopLevelWindows)
        {
            wxDialog* dialog = dynamic_cast<wxDialog*>(window);
            if (dialog != nullptr && dialog->IsModal())
            {
                dialog->EndModal(wxID_CANCEL);
            }
        }
        return true;
    }
    if (myLoops.empty())
    {
        return false;
    }
    Window* dialog = myLoops.back()->dialog.get();
    if (dialog != nullptr && !dialog->dialogEnded())
    {
        dialog->endDialog(DialogResult::cancel);
    }
    return true;
}

void WxBackend::closeOnSignals(const std::function<void()>& aClose)
{
    VORNA_ASSERT(aClose != nullptr);
    VORNA_ASSERT(mySignals == nullptr);
    mySignals = std::make_unique<SignalSource>(*this, aClose);
}

void WxBackend::guard(const std::function<void()>& anAction)
{
    try
    {
        anAction();
    }
    catch (const WaitInterrupted&)
    {
        // The close that ended the wait is queued and runs from the loop.
    }
    catch (...)
    {
        if (!myPendingError)
        {
            myPendingError = std::current_exception();
        }
        if (wxEventLoopBase* active = wxEventLoopBase::GetActive())
        {
            if (active->IsRunning())
            {
                active->Exit(-1);
            }
        }
    }
}

void WxBackend::rethrowPending()
{
    if (myPendingError)
    {
        std::exception_ptr error = myPendingError;
        myPendingError = nullptr;
        std::rethrow_exception(error);
    }
}

void WxBackend::afterDispatch()
{
    myView->synchronise();
    endLoopsThatAreDone();
    if (!myQueue.empty() || myQuitPosted)
    {
        wxWakeUpIdle();
    }
}

void WxBackend::endLoopsThatAreDone()
{
    wxEventLoopBase* active = wxEventLoopBase::GetActive();
    if (!myLoops.empty())
    {
        ModalLoop* modal = myLoops.back();
        Window* dialog = modal->dialog.get();
        if ((dialog == nullptr || dialog->dialogEnded()) && active == &modal->loop && modal->loop.IsRunning())
        {
            modal->loop.Exit(0);
        }
    }
    // The quit request ends the program's loop once nothing else waits; while
    // a program's own wait pumps, that wait sees it first and unwinds.
    if (myQuitPosted && myPumping == 0 && myQueue.empty() && !myMainLoops.empty() && active == myMainLoops.back())
    {
        myQuitPosted = false;
        myMainLoops.back()->Exit(myQuitCode);
    }
}

void WxBackend::onIdleEvent(wxIdleEvent& anEvent)
{
    anEvent.Skip();
    // A wait that repaints runs inside a handler: what is queued waits for it.
    if (myPainting > 0)
    {
        return;
    }
    runQueued();
    afterDispatch();
    if (myTicking == 0 && myView->dispatchDepth() == 0)
    {
        myTimers.erase(std::remove_if(myTimers.begin(), myTimers.end(),
                                      [](const std::unique_ptr<Timer>& aTimer) { return aTimer->isOrphan(); }),
                       myTimers.end());
        myDeadTimers.clear();
        myView->collectGarbage();
    }
    if (!myQueue.empty())
    {
        anEvent.RequestMore();
    }
}

bool WxBackend::mayTick(const Window& aWindow) const
{
    // No tick inside an exchange's wait, and none for a window that a modal
    // dialog or box holds: one failure, one Communications Error dialog.
    if (myPainting > 0 || myNativeModals > 0)
    {
        return false;
    }
    const Window* modal = innermostModal();
    return modal == nullptr || modal == &aWindow || modal->isAncestorOf(aWindow);
}

void WxBackend::releaseHeldTicks()
{
    for (std::unique_ptr<Timer>& timer : myTimers)
    {
        const Window* window = timer->window();
        if (window != nullptr && mayTick(*window))
        {
            timer->release();
        }
    }
}

void WxBackend::repaintDuringWait()
{
    ActiveLoop active;
    if (myPainting > 0 || active.loop().IsYielding())
    {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - myLastRepaint < repaintInterval)
    {
        return;
    }
    myLastRepaint = now;
    {
        // Drawing only: the user's input waits for the exchange's end.
        const Painting painting(myPainting);
        myView->synchronise();
        active.loop().YieldFor(wxEVT_CATEGORY_UI);
    }
    releaseHeldTicks();
}

WxBackend::NativeModal::NativeModal(WxBackend& aBackend) : myBackend(aBackend)
{
    ++myBackend.myNativeModals;
}

WxBackend::NativeModal::~NativeModal()
{
    --myBackend.myNativeModals;
    myBackend.releaseHeldTicks();
}
}
