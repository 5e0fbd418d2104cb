#pragma once

#include <string>

// What the statements of a download script act on: the run's settings, the
// unit and the operator. The parse tree knows no more of the run than this;
// the interpreter is the one that carries it out.
class ScriptMachine
{
public:
    // query_keyword and protocol: they hold for every statement after them.
    virtual void setQueryKeyword(signed char aKeyword) = 0;
    virtual void setProtocol(bool aFlag) = 0;

    // With the protocol, waits for the unit's "ok" first.
    virtual void sendText(const std::string& aText) = 0;
    // Sets (query keyword + 1, 0) to 1.
    virtual void enterDownloadMode() = 0;
    // The texts of (query keyword, 1) and (query keyword, 0).
    virtual std::string readVersion() = 0;
    virtual std::string readDevice() = 0;

    virtual bool ask(const std::string& aQuestion) = 0;
    virtual void showMessage(const std::string& aMessage) = 0;
    virtual void print(const std::string& aText) = 0;
    // Sends the S-record file that a download statement names, as the script
    // names it; a transfer that fails throws.
    virtual void download(const std::string& aFileName) = 0;

protected:
    // A machine is destroyed through its own type, never through this
    // interface.
    ~ScriptMachine() = default;
};
