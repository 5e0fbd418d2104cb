#include "Pellora/Language/ParseContext.h"

#include "Platform/Assertion.h"

ParseContext::ParseContext(std::FILE* aFile)
    : myFile(aFile)
{
    VORNA_ASSERT(aFile != NULL);
}

int ParseContext::read(char* aBuffer, int aSize)
{
    VORNA_ASSERT(aBuffer != NULL && aSize > 0);
    if (myLineTooLong)
    {
        return 0;
    }
    const std::size_t count = std::fread(aBuffer, 1, static_cast<std::size_t>(aSize), myFile);
    if (count == 0)
    {
        return std::ferror(myFile) ? -1 : 0;
    }
    int kept = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        if (aBuffer[i] == '\r')
        {
            if (i + 1 < count)
            {
                if (aBuffer[i + 1] == '\n')
                {
                    continue;
                }
            }
            else
            {
                // The pair may straddle two reads: take its newline now, so
                // that a read never comes back empty before the end.
                const int next = std::getc(myFile);
                if (next == '\n')
                {
                    aBuffer[kept++] = '\n';
                    continue;
                }
                if (next != EOF)
                {
                    std::ungetc(next, myFile);
                }
            }
        }
        aBuffer[kept++] = aBuffer[i];
    }
    return boundLines(aBuffer, kept);
}

int ParseContext::boundLines(char* aBuffer, int aCount)
{
    for (int i = 0; i < aCount; ++i)
    {
        if (aBuffer[i] == '\n')
        {
            myLineLength = 0;
        }
        else if (++myLineLength > MaximumLineLength)
        {
            aBuffer[i] = '\0';
            myLineTooLong = true;
            return i + 1;
        }
    }
    return aCount;
}

void ParseContext::setScannerFault(const std::string& aMessage)
{
    if (myScannerFault.empty())
    {
        myScannerFault = aMessage;
    }
}

void ParseContext::reportError(const std::string& aMessage)
{
    if (!myError.empty())
    {
        return;
    }
    const std::string& message = myScannerFault.empty() ? aMessage : myScannerFault;
    myError = message + " on line " + std::to_string(myLine) + "\n";
}

void ParseContext::setRoot(Node* aRoot)
{
    VORNA_ASSERT(aRoot != NULL);
    myRoot.reset(aRoot);
}

std::unique_ptr<Node> ParseContext::takeRoot()
{
    return std::move(myRoot);
}
