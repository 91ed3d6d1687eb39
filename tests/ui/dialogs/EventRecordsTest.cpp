// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowRig.h"
#include "ui/dialogs/EventLogWindow.h"

#include <QCheckBox>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// Each answer to a warning is one record of the item with its caption, reading and limits as
// the window shows them. The configuration dialog's changes are one record when it closes,
// without the Disable a warning made meanwhile: that has its own.
void AnswerAWarning(DialogRig& rig) {
    rig.w().load();
    rig.boxes.answerYes = false;
    rig.w().configureAction()->trigger();
    rig.forms.configIfLoaded()->beepBoxes[4]->click();
    rig.tick();
    rig.forms.warningIfLoaded(3)->act(WarningAction::Ignore);
    rig.tick();
    rig.forms.warningIfLoaded(3)->act(WarningAction::ShutDown);
    rig.forms.warningIfLoaded(3)->act(WarningAction::Disable);
    rig.forms.configIfLoaded()->close();
}

sim::Scenario HighFiveVolts() {
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.writes.push_back({0, 0, 0x23, 250}); // +5V at 6.72 V
    return scenario;
}

TEST(EventRecords, EachActionIsOneRecordOfTheItemAsShown) {
    QLocale::setDefault(QLocale::c());
    DialogRig rig(HighFiveVolts());
    AnswerAWarning(rig);

    std::vector<std::string> seen;
    for (const Event& e : rig.m().events.events())
        seen.push_back(EventWord(e.kind) + "|" + std::to_string(e.item) + "|" + e.caption + "|" +
                       e.value + "|" + e.low + "|" + e.high + "|" + e.detail);
    const std::string item = "|3|+5V|6.72|4.49|5.51|";
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "warning raised" + item,
                        "ignore" + item,
                        "warning raised" + item,
                        "shut down" + item + "declined",
                        "disable" + item,
                        "configuration changed|-1|||||+12V: beep on -> off",
                    }));
}

// Every text marked for translation, recognisably: «text».
struct Marking : QTranslator {
    QString translate(const char*, const char* source, const char*, int) const override {
        return u'«' + QString::fromUtf8(source) + u'»';
    }
    bool isEmpty() const override { return false; }
    Marking() { QCoreApplication::installTranslator(this); }
    ~Marking() override { QCoreApplication::removeTranslator(this); }
};

// What is left of a text once its translated parts are taken out.
QString Untranslated(QString text) {
    static const QRegularExpression marked(QStringLiteral("«[^«»]*»"));
    while (text.contains(marked))
        text.remove(marked);
    return text;
}

// A translated session shows no English words in the Event Log: each kind and each detail
// the actions record come translated, around names and numbers.
TEST(EventRecords, ReadInTheUsersLanguage) {
    QLocale::setDefault(QLocale::c());
    QtApp(); // before the translator is installed
    const Marking marking;
    DialogRig rig(HighFiveVolts());
    AnswerAWarning(rig);
    rig.s().restoreDefaults();
    EventLogWindow window(rig.m().events);

    const EventLogModel& m = *window.model;
    ASSERT_GE(m.rowCount(), 7);
    static const QRegularExpression english(QStringLiteral("[a-z]{3,}"));
    for (int r = 0; r < m.rowCount(); ++r)
        for (int c : {EventLogModel::Name, EventLogModel::Item, EventLogModel::Detail}) {
            const QString shown = m.index(r, c).data().toString();
            EXPECT_FALSE(Untranslated(shown).contains(english)) << shown.toStdString();
        }
    EXPECT_EQ(m.index(0, EventLogModel::Detail).data(), "«factory settings, not yet saved»");
    EXPECT_EQ(EventLogModel::itemCaption(kCaseOpenItem), "«Case open»");
}

} // namespace
} // namespace hmdx::test
