// What the SAVE button asks of the Save As dialog: its title, filters and
// default suffix, the folder it starts in, which follows the last save that
// worked, and the name it proposes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_fixture.h"
#include "sheet_file/save_request.h"
#include "temp_folder.h"

namespace tessmar {
namespace {

TEST(SaveRequest, FolderOfAChosenPath)
{
    struct Case {
        std::string path;
        std::string folder;
    };
    for (const Case& c : std::vector<Case>{{"/home/ann/sheets/hero.txt", "/home/ann/sheets"},
                                           {"/hero", "/"},
                                           {"sheets/hero.txt", "sheets"},
                                           {"hero.txt", ""},
                                           {"/home/ann/my sheets/h\xC3\xA9ro", "/home/ann/my sheets"}})
        EXPECT_EQ(save_folder_of(c.path), c.folder) << c.path;
}

class SaveDialogAsked : public FormFixture {
protected:
    TempFolder folder;
};

TEST_F(SaveDialogAsked, TitleFiltersAndSuffixAndTheDocumentsFolderAtFirst)
{
    form.SAVE_Click();
    ASSERT_EQ(dialog.shown, 1);
    EXPECT_EQ(dialog.asked.title, "Save character sheet");
    EXPECT_EQ(dialog.asked.filters, (std::vector<std::string>{"Text files (*.txt)", "All files (*)"}));
    EXPECT_EQ(dialog.asked.default_suffix, "txt");
    EXPECT_EQ(dialog.asked.folder, "");
}

// The dialog starts where the last save that worked went, also after a cancel
// or a save that failed; before any save, in the documents folder.
TEST_F(SaveDialogAsked, StartsInTheFolderOfTheLastSaveThatWorked)
{
    form.SAVE_Click();  // cancelled
    form.SAVE_Click();
    EXPECT_EQ(dialog.asked.folder, "");

    dialog.answer = (folder.path() / "missing" / "hero.txt").string();  // cannot be written
    form.SAVE_Click();
    ASSERT_NE(form.message_window.text, "");
    form.SAVE_Click();
    EXPECT_EQ(dialog.asked.folder, "") << "a failed save chose no folder";

    dialog.answer = (folder.path() / "hero.txt").string();
    form.SAVE_Click();
    dialog.answer = "";
    form.SAVE_Click();  // cancelled
    EXPECT_EQ(dialog.asked.folder, folder.path().string());
    form.SAVE_Click();
    EXPECT_EQ(dialog.asked.folder, folder.path().string());

    dialog.answer = (folder.path() / "missing" / "hero.txt").string();
    form.SAVE_Click();
    ASSERT_NE(form.message_window.text, "");
    form.SAVE_Click();
    EXPECT_EQ(dialog.asked.folder, folder.path().string()) << "a failed save keeps the last good folder";
    EXPECT_EQ(dialog.asked.title, "Save character sheet");
}

// The file name box opens with the Name box's text made one file name; the
// rule itself has its table in file_name_test.cpp.
TEST_F(SaveDialogAsked, ProposesTheCharactersName)
{
    struct Case {
        const char* typed;
        const char* proposed;
    };
    for (const Case& c : {Case{"", ""}, Case{"  Sir J. Smith ", "Sir J. Smith"}, Case{"AC/DC", "AC_DC"},
                          Case{"..", ""}}) {
        form.PCname.type(c.typed);
        form.SAVE_Click();
        EXPECT_EQ(dialog.asked.proposed_name, c.proposed) << c.typed;
    }
}

}  // namespace
}  // namespace tessmar
