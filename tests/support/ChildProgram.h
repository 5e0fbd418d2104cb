#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A program started by a test with pipes on its standard input and output:
// the test reads what it prints line by line, and closing its input is the
// program's cue to end.
class ChildProgram
{
public:
    // Starts aPath with the arguments; throws std::runtime_error when it cannot.
    ChildProgram(const std::string& aPath, const std::vector<std::string>& someArguments);
    // Closes the input and waits for the program.
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    // The next line the program prints, without its line end; false when none
    // comes within aMilliseconds or the output has ended.
    bool readLine(std::string& aLine, int aMilliseconds = 5000);
    // Sends one line (a line end is added); false when the program no longer reads.
    bool writeLine(const std::string& aLine);
    // Closes the input and returns the program's exit status (-1 when it did
    // not exit normally).
    int finish();
    // Ends the program at once with aSignal (SIGKILL: no chance to clean up) and waits for it.
    void kill(int aSignal);
    // Sends aSignal and leaves the program to act on it.
    void signal(int aSignal);
    // Waits at most aMilliseconds for the program to end; false when it still
    // runs. Then status() is its exit status (-1 when a signal ended it) and
    // endingSignal() that signal (0 when it exited).
    bool waitForEnd(int aMilliseconds);
    int status() const { return myStatus; }
    int endingSignal() const { return mySignal; }
    pid_t pid() const { return myChild; }

private:
    pid_t myChild = -1;
    int myInput = -1;
    int myOutput = -1;
    std::string myPending;
    int myStatus = -1;
    int mySignal = 0;
};
