#pragma once

#include <iosfwd>
#include <string>

// The pieces of an HTML report. Every text they are given is escaped, so a
// title, caption or link text with '&', '<' or '>' cannot break the page.

// '&', '<' and '>' as character references.
std::string escapeHtml(const std::string& aText);

std::ostream& writeHtmlHead(std::ostream& aStream, const std::string& aTitle);
// The caption stands before the table's opening tag.
std::ostream& beginHtmlTable(std::ostream& aStream, const std::string& aCaption);
std::ostream& endHtmlTable(std::ostream& aStream);
std::ostream& writeHtmlTail(std::ostream& aStream);
std::ostream& beginHtmlList(std::ostream& aStream);
std::ostream& endHtmlList(std::ostream& aStream);
// anAddress is the link target without its scheme: host name, then path
// (a quotation mark in it is escaped as well).
std::ostream& writeHtmlLink(std::ostream& aStream, const std::string& anAddress, const std::string& aText);
