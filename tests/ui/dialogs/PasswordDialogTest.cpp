// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/PasswordDialog.h"

#include "monitor/JournalSink.h"
#include "support/WindowRig.h"
#include "ui/main/MainRows.h"

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

TEST(PasswordMatchesTest, FitsTheEntryToEightCharactersAndComparesExactly) {
    const struct {
        const char* stored;
        QString typed;
        bool matches;
    } cases[] = {
        {"", "", true},
        {"", "   ", true},
        {"", "a", false},
        {"abc", "abc", true},
        {"abc", "abc     ", true},
        {"abc", "ABC", false},
        {"abc", "ab", false},
        {"abc", " abc", false},
        {"abcdefgh", "abcdefg", false},
        {"abcdefgh", "abcdefgX", false},
        {"abcdefgh", "abcdefghi", true},
        {"caf\xE9", QString::fromUtf8("caf\u00E9"), true},
        {"a?", QString::fromUtf8("a\u20AC"), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PasswordMatches(Stored(c.stored), c.typed), c.matches)
            << '"' << c.stored << "\" vs \"" << c.typed.toStdString() << '"';
}

// The case-open warning up on an HMB machine whose password is "Pw7q", and its prompt opened
// by the warning's Ignore or Disable.
struct PromptRig : DialogRig {
    explicit PromptRig(PasswordAction mode) : DialogRig(ScenarioFor("hmb")) {
        w().load();
        m().settings.password = Stored("Pw7q");
        forms.show(kCaseOpenItem);
        forms.warningIfLoaded(kCaseOpenItem)->act(WarningAction(mode));
    }
    PasswordDialog& prompt() { return *forms.passwordIfLoaded(); }
    void type(const char* text) { prompt().passwordEdit->setText(QString::fromLatin1(text)); }
};

// A wrong password (or closing the prompt) changes nothing; the right one, by OK or Enter,
// clears the chip's case latch and takes the warning away, and either keeps the case watched
// (Ignore) or stops watching it (Disable). No password reaches an event or the journal.
TEST(PasswordDialogTest, OnlyTheRightPasswordLetsTheCaseWarningGo) {
    struct Case {
        PasswordAction mode;
        const char* typed;
        bool enter, right;
    };
    for (const Case& c : {Case{PasswordAction::Ignore, "pw7Q", false, false},
                          Case{PasswordAction::Disable, "Pw7x", true, false},
                          Case{PasswordAction::Ignore, "Pw7q  ", false, true},
                          Case{PasswordAction::Disable, "Pw7q", true, true}}) {
        const bool ignore = c.mode == PasswordAction::Ignore;
        const std::string action = ignore ? "ignore" : "disable";
        SCOPED_TRACE(c.typed + (" " + action));
        PromptRig rig(c.mode);
        rig.m().state.faultCounts[kCaseOpenItem] = 2;
        rig.type(c.typed);
        if (c.enter)
            emit rig.prompt().passwordEdit->returnPressed(); // presses the OK shown
        else
            rig.prompt().confirm(c.mode);
        if (!c.right) { // kept for correcting
            EXPECT_EQ(rig.prompt().passwordEdit->text(), QString::fromLatin1(c.typed));
            rig.prompt().close();
        }
        DialogRig::settle();
        EXPECT_FALSE(rig.forms.passwordIfLoaded());
        EXPECT_EQ(rig.boxes.texts(),
                  std::vector<std::string>(c.right ? 0 : 1, "Input Password is not correct!"));
        EXPECT_EQ(rig.forms.isShown(kCaseOpenItem), !c.right);
        EXPECT_EQ(rig.chip().peek(0, 0x46) & 0x80, c.right ? 0x80 : 0);
        EXPECT_EQ(rig.m().settings.monitored[kCaseOpenItem], c.right && !ignore ? 0 : 1);
        EXPECT_EQ(rig.m().state.faultCounts[kCaseOpenItem], c.right ? 0 : 2);
        QLabel* caseLabel = rig.w().rows().caseLine.statusLabel;
        EXPECT_EQ(caseLabel->isHidden(), c.right && !ignore);
        EXPECT_EQ(caseLabel->text(), c.right ? "PC Case is closed" : "PC Case is opened");
        std::string events;
        for (const Event& e : rig.m().events.events()) {
            events += EventWord(e.kind) + " " + e.detail + "; ";
            for (const std::string& text : {ToJsonLine(e), JournalMessage(e)})
                EXPECT_EQ(text.find("w7"), std::string::npos) << text; // in every password here
        }
        EXPECT_EQ(events, c.right ? "password accepted " + action + "; " + action + " ; "
                                  : "password refused " + action + "; ");
    }
}

TEST(PasswordDialogTest, ReopeningSwitchesTheModeOfTheSameWindowAndKeepsTheText) {
    PromptRig rig(PasswordAction::Ignore);
    PasswordDialog& p = rig.prompt();
    EXPECT_EQ(p.focusWidget(), p.passwordEdit);
    for (QPushButton* ok : p.confirmButtons)
        EXPECT_FALSE(ok->isDefault() || ok->autoDefault());
    rig.type("123456789");
    EXPECT_EQ(p.passwordEdit->text(), QStringLiteral("12345678"));
    EXPECT_EQ(p.passwordEdit->displayText(), QStringLiteral("********"));
    EXPECT_TRUE(p.confirmButtons[0]->isVisible());
    EXPECT_TRUE(p.confirmButtons[1]->isHidden());
    p.layout()->activate();
    const QRect okPlace = p.confirmButtons[0]->geometry();

    rig.forms.warningIfLoaded(kCaseOpenItem)->act(WarningAction::Disable);
    EXPECT_EQ(rig.forms.passwordIfLoaded(), &p);
    EXPECT_TRUE(p.confirmButtons[0]->isHidden());
    EXPECT_TRUE(p.confirmButtons[1]->isVisible());
    EXPECT_EQ(p.passwordEdit->text(), QStringLiteral("12345678"));
    p.layout()->activate();
    EXPECT_EQ(p.confirmButtons[1]->geometry(), okPlace);
}

} // namespace
} // namespace hmdx::test
