// What the SAVE button asks of the Save As dialog: its title, filters and
// default suffix, and the folder it starts in, which follows the last path chosen.
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

// The dialog starts where the user last chose to save, also after a cancel or
// a save that failed; a cancel before any save leaves the documents folder.
TEST_F(SaveDialogAsked, StartsInTheFolderOfThePathLastChosen)
{
    form.SAVE_Click();  // cancelled
    form.SAVE_Click();
    EXPECT_EQ(dialog.asked.folder, "");

    dialog.answer = (folder.path() / "hero.txt").string();
    form.SAVE_Click();
    dialog.answer = "";
    form.SAVE_Click();  // cancelled
    EXPECT_EQ(dialog.asked.folder, folder.path().string());
    form.SAVE_Click();
    EXPECT_EQ(dialog.asked.folder, folder.path().string());

    dialog.answer = (folder.path() / "missing" / "hero.txt").string();  // cannot be written
    form.SAVE_Click();
    ASSERT_NE(form.message_window.text, "");
    form.SAVE_Click();
    EXPECT_EQ(dialog.asked.folder, (folder.path() / "missing").string());
    EXPECT_EQ(dialog.asked.title, "Save character sheet");
}

}  // namespace
}  // namespace tessmar
