#include "tests/support/ChildProgram.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

ChildProgram::ChildProgram(const std::string& aPath, const std::vector<std::string>& someArguments)
{
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe2: " + std::string(std::strerror(errno)));
    if (pipe2(output, O_CLOEXEC) != 0)
    {
        close(input[0]);
        close(input[1]);
        throw std::runtime_error("pipe2: " + std::string(std::strerror(errno)));
    }
    std::vector<std::string> words{aPath};
    words.insert(words.end(), someArguments.begin(), someArguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);

    myChild = fork();
    if (myChild == 0)
    {
        dup2(input[0], STDIN_FILENO);
        dup2(output[1], STDOUT_FILENO);
        execv(aPath.c_str(), argv.data());
        _exit(127);
    }
    close(input[0]);
    close(output[1]);
    myInput = input[1];
    myOutput = output[0];
    if (myChild < 0)
    {
        close(myInput);
        close(myOutput);
        throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
    }
}

ChildProgram::~ChildProgram()
{
    finish();
}

bool ChildProgram::readLine(std::string& aLine, int aMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(aMilliseconds);
    for (;;)
    {
        const std::size_t end = myPending.find('\n');
        if (end != std::string::npos)
        {
            aLine = myPending.substr(0, end);
            myPending.erase(0, end + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                              std::chrono::steady_clock::now());
        pollfd entry = {myOutput, POLLIN, 0};
        if (myOutput < 0 || left.count() <= 0 || poll(&entry, 1, static_cast<int>(left.count())) <= 0)
            return false;
        char buffer[512];
        const ssize_t count = read(myOutput, buffer, sizeof buffer);
        if (count <= 0)
            return false;
        myPending.append(buffer, static_cast<std::size_t>(count));
    }
}

bool ChildProgram::writeLine(const std::string& aLine)
{
    const std::string bytes = aLine + "\n";
    std::size_t done = 0;
    while (myInput >= 0 && done < bytes.size())
    {
        const ssize_t count = write(myInput, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return done == bytes.size();
}

void ChildProgram::kill(int aSignal)
{
    if (myChild > 0)
        ::kill(myChild, aSignal);
    finish();
}

void ChildProgram::signal(int aSignal)
{
    if (myChild > 0)
    {
        ::kill(myChild, aSignal);
    }
}

bool ChildProgram::waitForEnd(int aMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(aMilliseconds);
    while (myChild > 0)
    {
        int status = 0;
        const pid_t ended = waitpid(myChild, &status, WNOHANG);
        if (ended == myChild)
        {
            myStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            mySignal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
            myChild = -1;
            return true;
        }
        if (ended < 0 && errno != EINTR)
        {
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline)
        {
            return false;
        }
        usleep(5000);
    }
    return true;
}

int ChildProgram::finish()
{
    if (myInput >= 0)
    {
        close(myInput);
        myInput = -1;
    }
    if (myChild > 0)
    {
        int status = 0;
        while (waitpid(myChild, &status, 0) < 0 && errno == EINTR)
        {
        }
        myStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        mySignal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        myChild = -1;
    }
    if (myOutput >= 0)
    {
        close(myOutput);
        myOutput = -1;
    }
    return myStatus;
}
