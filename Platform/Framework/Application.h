#pragma once

#include "Platform/Framework/CommandTarget.h"
#include "Platform/ProfileStore.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Platform
{
class CommandLine;
class Document;
class DocumentTemplate;
class MainFrame;
class RecentFileList;
class Resources;

// The program: one instance, made before the program's entry and destroyed
// after it. main runs initInstance, which a program overrides with its
// start-up (registry key, recent files, document template, command line,
// showing the main window), then the message loop, then exitInstance.
//
// The application is the last target of every command; its own commands
// are Exit and the recent files. A program maps File New and File Open to
// onFileNew and onFileOpen when its menu offers them.
class Application : public CommandTarget
{
public:
    // aName is the program's ("Tessiva"): it names its profile and the
    // caption of its message boxes. The resources must outlive the application.
    Application(const std::string& aName, const Resources& aResources);
    // Closes a document still open.
    ~Application() override;

    static bool exists();
    static Application& current();

    const std::string& name() const { return myName; }
    const Resources& resources() const { return myResources; }

    // --- running ---
    // start, then run; a start that fails ends at once with exit code 1, a
    // start that a close interrupted (WaitInterrupted) with the exit code 0.
    int main(const std::vector<std::string>& anArguments);
    // Keeps the arguments (without the program's own name) and runs initInstance.
    [[nodiscard]] bool start(const std::vector<std::string>& anArguments);
    // The message loop until the program ends, then exitInstance; returns its code.
    int run();
    // The program's start-up; false ends it. The base does nothing and succeeds.
    virtual bool initInstance();
    // The program's end: closes the document and keeps the recent files;
    // returns the exit code.
    virtual int exitInstance();
    const std::vector<std::string>& arguments() const { return myArguments; }

    // --- profile ---
    // The company key under which the program's settings live ("Vorna"): the
    // settings are the program's ProfileStore (see ProfileStore for the file).
    void setRegistryKey(const std::string& aKey) { myRegistryKey = aKey; }
    const std::string& registryKey() const { return myRegistryKey; }
    ProfileStore& profile() { return myProfile; }
    // Reads the recent-file list of aRecentFiles entries from the profile.
    void loadStdProfileSettings(unsigned aRecentFiles = 4);
    // nullptr until loadStdProfileSettings.
    RecentFileList* recentFiles() const { return myRecentFiles.get(); }
    void addToRecentFileList(const std::string& aPath);
    // True the first time only: settings that cannot be written are told once a run.
    bool firstUnsavedSettings() { return !std::exchange(myUnsavedSettingsTold, true); }

    // --- documents ---
    void addDocTemplate(std::unique_ptr<DocumentTemplate> aTemplate);
    DocumentTemplate* documentTemplate() const { return myTemplate.get(); }
    // The arguments as the standard document command line.
    void parseCommandLine(CommandLine& aCommandLine) const;
    // A new document, or the file of the command line opened; false when it
    // failed (no main window).
    bool processShellCommand(const CommandLine& aCommandLine);
    // nullptr when it failed.
    Document* openDocumentFile(const std::string& aPath);
    MainFrame* mainFrame() const;

    // --- the framework's commands ---
    void onFileNew();
    // Asks for a file with the template's filter and opens it.
    void onFileOpen();
    // Closes the main window as its close box does.
    void onAppExit();
    // A file of the recent-file list; one that does not open leaves the list.
    void onOpenRecentFile(unsigned aCommandId);

    // Handles one waiting message (a loop of the program's own, between the
    // steps of a long run); false when it is the request to quit, which is
    // then taken from the queue.
    bool pumpMessage();

    // Idle processing: aCount 0 brings the main window's command states up
    // to date. Returns whether more idle work waits (never, here).
    virtual bool onIdle(long aCount);

    // Ends the message loop; the document and the main window close when it
    // has ended (exitInstance), so that no handler still running, nor a
    // message loop of its own (which sees the quit request), loses them.
    void closeMainFrame();
    bool isClosing() const { return myClosing; }

private:

    std::string myName;
    const Resources& myResources;
    std::vector<std::string> myArguments;
    std::string myRegistryKey;
    ProfileStore myProfile;
    std::unique_ptr<RecentFileList> myRecentFiles;
    std::unique_ptr<DocumentTemplate> myTemplate;
    bool myClosing = false;
    int myExitCode = 0;
    bool myUnsavedSettingsTold = false;
};
}
