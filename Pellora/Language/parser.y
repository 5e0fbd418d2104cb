/* The grammar of download scripts. Every rule builds its part of the parse
   tree; a script that does not follow the grammar ends in scripterror, and the
   destructors below free whatever was built before it. */

%code requires {
#include <string>

class ComparisonOperator;
class Node;
class Operand;
class ParseContext;
}

%code {
#include "Pellora/Language/ComparisonNode.h"
#include "Pellora/Language/ComparisonOperator.h"
#include "Pellora/Language/DeviceOperand.h"
#include "Pellora/Language/DownloadFileNode.h"
#include "Pellora/Language/DownloadModeNode.h"
#include "Pellora/Language/IfElseNode.h"
#include "Pellora/Language/IfNode.h"
#include "Pellora/Language/NoOpNode.h"
#include "Pellora/Language/NotNode.h"
#include "Pellora/Language/ParseContext.h"
#include "Pellora/Language/ParseNode.h"
#include "Pellora/Language/PrintNode.h"
#include "Pellora/Language/DialogNode.h"
#include "Pellora/Language/ProtocolNode.h"
#include "Pellora/Language/QueryKeywordNode.h"
#include "Pellora/Language/QuestionNode.h"
#include "Pellora/Language/SendTextNode.h"
#include "Pellora/Language/StringOperand.h"
#include "Pellora/Language/VersionOperand.h"

#include <cstring>
#include <memory>

int scriptlex(SCRIPTSTYPE* aValue, void* aScanner);
void scripterror(void* aScanner, ParseContext& aContext, const char* aMessage);

namespace
{
// Takes a token's text and frees it.
std::string take(std::string* aText)
{
    std::string text(*aText);
    delete aText;
    return text;
}

// A semantic value handed on to the node that owns it from then on.
template <typename Type>
std::unique_ptr<Type> own(Type* aValue)
{
    return std::unique_ptr<Type>(aValue);
}
}
}

%code top {
/* The parser stack starts at 200 entries and doubles up to 10000; deeper
   nesting is a "parser stack overflow". */
#define YYINITDEPTH 200
#define YYMAXDEPTH 10000
}

%define api.pure full
%define api.prefix {script}
%define api.token.prefix {TOK_}
%param {void* scanner}
%parse-param {ParseContext& context}
%expect 1

%union {
    int integer;
    std::string* text;
    Node* node;
    Operand* operand;
    ComparisonOperator* comparison;
}

%token reset_download 258
%token query_keyword 259
%token download_files 260
%token baud_rates 261
%token download_mode 262
%token ask 263
%token print 264
%token dialog 265
%token reset 266
%token protocol 267
%token <text> STRING 268
%token if 269
%token else 270
%token <integer> INTEGER 271
%token EQ 272
%token NE 273
%token GT 274
%token GE 275
%token LT 276
%token LE 277
%token version 278
%token <text> REAL 279
%token device 280
%token true 281
%token false 282

%type <node> statements statement block query simple protocol_setting if_statement condition question call files file_list
%type <operand> version_operand text_operand
%type <comparison> equality relation

%destructor { delete $$; } <text> <node> <operand> <comparison>

%start program

%%

program
    : %empty                    { context.setRoot(new NoOpNode); }
    | statements                { context.setRoot($1); }
    ;

statements
    : statement                 { $$ = $1; }
    | statement statements      { $$ = new ParseNode(own($1), own($2)); }
    ;

statement
    : simple
    | block
    | if_statement
    | call
    | query
    | protocol_setting
    ;

block
    : '{' '}'                   { $$ = new NoOpNode; }
    | '{' statements '}'        { $$ = $2; }
    ;

query
    : query_keyword '=' INTEGER ';'
                                { $$ = new QueryKeywordNode(static_cast<signed char>($3 & 0xFF)); }
    ;

simple
    : download_mode ';'         { $$ = new DownloadModeNode; }
    | reset ';'                 { $$ = new SendTextNode("S0DONE\n"); }
    | reset_download ';'        { $$ = new SendTextNode("S0DNLD\n"); }
    ;

protocol_setting
    : protocol '=' true ';'     { $$ = new ProtocolNode(true); }
    | protocol '=' false ';'    { $$ = new ProtocolNode(false); }
    ;

if_statement
    : if '(' condition ')' statement
                                { $$ = new IfNode(own($3), own($5)); }
    | if '(' condition ')' statement else statement
                                { $$ = new IfElseNode(own($3), own($5), own($7)); }
    ;

condition
    : version_operand relation version_operand
                                { $$ = new ComparisonNode(own($1), own($2), own($3)); }
    | text_operand equality text_operand
                                { $$ = new ComparisonNode(own($1), own($2), own($3)); }
    | question
    ;

equality
    : EQ                        { $$ = new ComparisonOperator(ComparisonOperator::Equal); }
    | NE                        { $$ = new ComparisonOperator(ComparisonOperator::NotEqual); }
    ;

relation
    : LE                        { $$ = new ComparisonOperator(ComparisonOperator::LessOrEqual); }
    | GE                        { $$ = new ComparisonOperator(ComparisonOperator::GreaterOrEqual); }
    | GT                        { $$ = new ComparisonOperator(ComparisonOperator::Greater); }
    | LT                        { $$ = new ComparisonOperator(ComparisonOperator::Less); }
    | equality
    ;

version_operand
    : REAL                      { $$ = new StringOperand(take($1)); }
    | version                   { $$ = new VersionOperand; }
    ;

text_operand
    : STRING                    { $$ = new StringOperand(take($1)); }
    | device                    { $$ = new DeviceOperand; }
    ;

question
    : ask '(' STRING ')'        { $$ = new QuestionNode(take($3)); }
    | '!' ask '(' STRING ')'    { $$ = new NotNode(std::make_unique<QuestionNode>(take($4))); }
    ;

call
    : files ';'
    | baud_rates '(' integers ')' ';'
                                { $$ = new NoOpNode; }
    | dialog '(' STRING ')' ';' { $$ = new DialogNode(take($3)); }
    | print '(' STRING ')' ';'  { $$ = new PrintNode(take($3)); }
    ;

files
    : download_files '(' file_list ')'
                                { $$ = $3; }
    | '!' download_files '(' file_list ')'
                                { $$ = new NotNode(own($4)); }
    ;

file_list
    : STRING                    { $$ = new DownloadFileNode(take($1)); }
    | STRING ',' file_list      { $$ = new ParseNode(std::make_unique<DownloadFileNode>(take($1)), own($3)); }
    ;

integers
    : INTEGER                   { static_cast<void>($1); }
    | INTEGER ',' integers      { static_cast<void>($1); }
    ;

%%

void scripterror(void*, ParseContext& aContext, const char* aMessage)
{
    // Bison's own wording differs from the messages the operator is shown.
    const char* message = std::strcmp(aMessage, "memory exhausted") == 0 ? "parser stack overflow" : "parse error";
    aContext.reportError(message);
}
