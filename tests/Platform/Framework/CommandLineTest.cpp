#include "Platform/Framework/CommandLine.h"
#include "Platform/Framework/Document.h"
#include "Platform/Framework/DocumentTemplate.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Window/Resources.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using Platform::CommandLine;
using Platform::DocumentTemplate;

struct LineCase
{
    std::vector<std::string> arguments;
    CommandLine::Action action;
    std::string fileName;
};

TEST(CommandLineTest, NoFileAsksForANewDocumentAndTheFirstFileIsOpened)
{
    const LineCase cases[] = {
        {{}, CommandLine::Action::newFile, ""},
        {{"-verbose"}, CommandLine::Action::newFile, ""},
        {{""}, CommandLine::Action::newFile, ""},
        {{"script.prx"}, CommandLine::Action::openFile, "script.prx"},
        {{"/abs/one.prx", "two.prx"}, CommandLine::Action::openFile, "/abs/one.prx"},
        {{"-x", "one.prx"}, CommandLine::Action::openFile, "one.prx"},
        {{"--", "-dash.prx"}, CommandLine::Action::openFile, "-dash.prx"},
    };
    for (std::size_t index = 0; index < sizeof(cases) / sizeof(cases[0]); ++index)
    {
        CommandLine line;
        line.parse({"stale.prx"});
        line.parse(cases[index].arguments);
        EXPECT_EQ(cases[index].action, line.action()) << index;
        EXPECT_EQ(cases[index].fileName, line.fileName()) << index;
    }
}

std::unique_ptr<DocumentTemplate> templateOf(Platform::Resources& aResources, const std::string& aString)
{
    aResources.strings().add(128, aString);
    return std::make_unique<DocumentTemplate>(
        aResources, 128, []() { return nullptr; }, []() { return nullptr; }, []() { return nullptr; });
}

TEST(DocumentTemplateTest, TheTemplatesStringHasSevenParts)
{
    Platform::Resources resources;
    const std::unique_ptr<DocumentTemplate> pellora =
        templateOf(resources, "Pellora\n\nPellora\nPellora Files (*.prx)\n.prx\nPellora.Document\nPellora Document");
    EXPECT_EQ("Pellora", pellora->part(DocumentTemplate::Part::windowTitle));
    EXPECT_EQ("", pellora->part(DocumentTemplate::Part::documentName));
    EXPECT_EQ("Pellora Files (*.prx)", pellora->part(DocumentTemplate::Part::filterName));
    EXPECT_EQ(".prx", pellora->part(DocumentTemplate::Part::filterExtension));
    EXPECT_EQ("Pellora Document", pellora->part(DocumentTemplate::Part::fileTypeName));
    EXPECT_EQ("Pellora Files (*.prx)|*.prx|All Files (*.*)|*.*||", pellora->fileFilter());
    EXPECT_EQ("prx", pellora->defaultExtension());

    Platform::Resources other;
    const std::unique_ptr<DocumentTemplate> tessiva =
        templateOf(other, "Tessiva\n\nTessiv\n\n\nTessiva.Document\nTessiv Document");
    EXPECT_EQ("Tessiv", tessiva->part(DocumentTemplate::Part::fileNewName));
    EXPECT_EQ("Tessiva.Document", tessiva->part(DocumentTemplate::Part::fileTypeId));
    EXPECT_EQ("All Files (*.*)|*.*||", tessiva->fileFilter());
    EXPECT_EQ("", tessiva->defaultExtension());

    Platform::Resources shortOne;
    EXPECT_EQ("", templateOf(shortOne, "Only")->part(DocumentTemplate::Part::fileTypeName));
}
}
