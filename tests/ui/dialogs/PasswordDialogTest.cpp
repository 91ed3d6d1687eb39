#include "ui/dialogs/PasswordDialog.h"

#include "support/DialogRig.h"
#include "ui/main/MainRows.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

std::array<char, 8> Stored(const char* text) {
    std::array<char, 8> password;
    password.fill(' ');
    std::copy_n(text, std::min<std::size_t>(std::strlen(text), 8), password.begin());
    return password;
}

struct MatchCase {
    const char* stored;
    QString typed;
    bool matches;
};

TEST(PasswordMatchesTest, FitsTheEntryToEightCharactersAndComparesExactly) {
    const MatchCase cases[] = {
        {"", "", true},
        {"", "   ", true},
        {"", "        ", true},
        {"", "a", false},
        {"abc", "abc", true},
        {"abc", "abc     ", true},
        {"abc", "ABC", false},
        {"abc", "ab", false},
        {"abc", " abc", false},
        {"abcdefgh", "abcdefg", false},
        {"abcdefgh", "abcdefgX", false},
        {"abcdefgh", "abcdefgh", true},
        {"abcdefgh", "abcdefghi", true},
        {"caf\xE9", QString::fromUtf8("caf\u00E9"), true},
        {"a?", QString::fromUtf8("a\u20AC"), false},
    };
    for (const MatchCase& c : cases)
        EXPECT_EQ(PasswordMatches(Stored(c.stored), c.typed), c.matches)
            << '"' << c.stored << "\" vs \"" << c.typed.toStdString() << '"';
}

// The case-open warning up on an HMB machine, password "abc", and its prompt opened by the
// warning's Ignore or Disable.
struct PromptRig : DialogRig {
    explicit PromptRig(int mode) : DialogRig(ScenarioFor("hmb")) {
        w().load();
        m().settings.Password = Stored("abc");
        forms.show(kCaseOpenItem);
        forms.warningIfLoaded(kCaseOpenItem)->act(WarningAction(mode));
    }
    PasswordDialog& prompt() { return *forms.passwordIfLoaded(); }
    void type(const char* text) { prompt().txtPasswd->setText(QString::fromLatin1(text)); }
    uint8_t caseClear() { return chip().peek(0, 0x46); }
};

TEST(PasswordDialogTest, WrongPasswordOtherButtonOrCloseChangeNothing) {
    for (int mode : {0, 1}) {
        PromptRig rig(mode);
        rig.m().state.faultCounts[kCaseOpenItem] = 2;
        rig.type("ABC");
        rig.prompt().confirm(PasswordAction(mode));
        DialogRig::settle();
        EXPECT_EQ(rig.boxes.texts(), std::vector<std::string>{"Input Password is not correct!"});
        ASSERT_NE(rig.forms.passwordIfLoaded(), nullptr) << mode;
        EXPECT_TRUE(rig.prompt().isVisible());
        EXPECT_EQ(rig.prompt().txtPasswd->text(), QStringLiteral("ABC"));
        rig.type("abc");
        rig.prompt().close();
        DialogRig::settle();
        EXPECT_EQ(rig.forms.passwordIfLoaded(), nullptr);
        ASSERT_NE(rig.forms.warningIfLoaded(kCaseOpenItem), nullptr) << mode;
        EXPECT_TRUE(rig.forms.warningIfLoaded(kCaseOpenItem)->isVisible());
        EXPECT_EQ(rig.caseClear() & 0x80, 0);
        EXPECT_EQ(rig.m().state.faultCounts[kCaseOpenItem], 2);
        EXPECT_EQ(rig.m().settings.ItemEnabled[kCaseOpenItem], 1);
        EXPECT_EQ(rig.boxes.texts().size(), 1u);
    }
}

TEST(PasswordDialogTest, RightPasswordInIgnoreModeKeepsTheCaseWatched) {
    PromptRig rig(0);
    rig.m().state.faultCounts[kCaseOpenItem] = 2;
    rig.type("abc  ");
    rig.prompt().confirm(PasswordAction::Ignore);
    DialogRig::settle();
    EXPECT_EQ(rig.forms.passwordIfLoaded(), nullptr);
    EXPECT_EQ(rig.forms.warningIfLoaded(kCaseOpenItem), nullptr);
    EXPECT_EQ(rig.caseClear() & 0x80, 0x80);
    EXPECT_EQ(rig.m().state.faultCounts[kCaseOpenItem], 0);
    EXPECT_EQ(rig.m().settings.ItemEnabled[kCaseOpenItem], 1);
    EXPECT_EQ(rig.forms.configIfLoaded(), nullptr);
    EXPECT_TRUE(rig.boxes.texts().empty());

    rig.chip().poke(0, 0x42, 0x10);
    rig.w().pollOnce();
    ASSERT_NE(rig.forms.warningIfLoaded(kCaseOpenItem), nullptr);
    EXPECT_TRUE(rig.forms.warningIfLoaded(kCaseOpenItem)->isVisible());
}

TEST(PasswordDialogTest, RightPasswordInDisableModeStopsWatchingTheCase) {
    PromptRig rig(1);
    rig.type("abc");
    emit rig.prompt().txtPasswd->returnPressed(); // Enter presses the visible OK
    DialogRig::settle();
    EXPECT_EQ(rig.forms.passwordIfLoaded(), nullptr);
    EXPECT_EQ(rig.forms.warningIfLoaded(kCaseOpenItem), nullptr);
    EXPECT_EQ(rig.caseClear() & 0x80, 0x80);
    EXPECT_EQ(rig.m().settings.ItemEnabled[kCaseOpenItem], 0);
    EXPECT_TRUE(rig.w().rows().caseLine.lblCaseOpen->isHidden());
    ConfigurationDialog* config = rig.forms.configIfLoaded();
    ASSERT_NE(config, nullptr);
    EXPECT_FALSE(config->isVisible());
    EXPECT_FALSE(config->chkEnable[kCaseOpenItem]->isChecked());
}

TEST(PasswordDialogTest, ReopeningSwitchesTheModeOfTheSameWindowAndKeepsTheText) {
    PromptRig rig(0);
    PasswordDialog& p = rig.prompt();
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Confirm Psssword"));
    EXPECT_EQ(p.focusWidget(), p.txtPasswd);
    for (QPushButton* ok : p.cmdOk)
        EXPECT_FALSE(ok->isDefault() || ok->autoDefault());
    rig.type("123456789");
    EXPECT_EQ(p.txtPasswd->text(), QStringLiteral("12345678"));
    EXPECT_EQ(p.txtPasswd->displayText(), QStringLiteral("********"));
    EXPECT_TRUE(p.cmdOk[0]->isVisible());
    EXPECT_TRUE(p.cmdOk[1]->isHidden());
    p.layout()->activate();
    const QRect okPlace = p.cmdOk[0]->geometry();

    rig.forms.warningIfLoaded(kCaseOpenItem)->act(WarningAction::Disable);
    EXPECT_EQ(rig.forms.passwordIfLoaded(), &p);
    EXPECT_EQ(p.mode(), PasswordAction::Disable);
    EXPECT_TRUE(p.cmdOk[0]->isHidden());
    EXPECT_TRUE(p.cmdOk[1]->isVisible());
    EXPECT_EQ(p.txtPasswd->text(), QStringLiteral("12345678"));
    p.layout()->activate();
    EXPECT_EQ(p.cmdOk[1]->geometry(), okPlace);
}

} // namespace
} // namespace hmdx::test
