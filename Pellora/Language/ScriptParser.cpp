#include "Pellora/Language/ScriptParser.h"

#include "Pellora/Language/ParseContext.h"
#include "Pellora/Language/ParseError.h"
#include "Pellora/Language/parser.hpp"
#include "Pellora/Language/scanner.hpp"
#include "Platform/Assertion.h"

#include <new>

int scriptparse(void* aScanner, ParseContext& aContext);

namespace
{
// A scanner of its own for every script, released however the parse ends.
class Scanner
{
public:
    explicit Scanner(ParseContext& aContext)
    {
        if (scriptlex_init_extra(&aContext, &myScanner) != 0)
        {
            throw std::bad_alloc();
        }
    }
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;
    ~Scanner() { scriptlex_destroy(myScanner); }

    yyscan_t get() const { return myScanner; }

private:
    yyscan_t myScanner;
};
}

std::unique_ptr<Node> ScriptParser::parse(std::FILE* aFile)
{
    VORNA_ASSERT(aFile != NULL);
    ParseContext context(aFile);
    Scanner scanner(context);
    const int result = scriptparse(scanner.get(), context);
    if (result != 0 || context.hasError())
    {
        if (!context.hasError())
        {
            context.reportError("parse error");
        }
        throw ParseError(context.error());
    }
    return context.takeRoot();
}
