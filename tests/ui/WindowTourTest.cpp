// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as a user first meets it, in each language hmdx speaks, on a 1280x800 screen:
// it opens inside the screen, no text is cut or runs over, buttons keep apart, and a
// translated session shows no English beyond the chip's own signal names. Each window is kept
// as a picture (HMDX_SCREENSHOT_DIR) for a person to look at.
#include "app/Translations.h"
#include "monitor/NotificationSink.h"
#include "support/RecordingNotifier.h"
#include "support/WindowRig.h"
#include "ui/dialogs/FanControlWindow.h"
#include "ui/main/RowHistory.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTextDocumentFragment>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string_view>

namespace hmdx::test {
namespace {

// Words a translation rightly keeps: the chip's signal names, names of programs, formats and
// keys, and words a language shares with English.
const std::set<QString> kKept = {"hmdx", "Vcore", "VCore", "VcoreB", "VCoreB",   "Vbat",   "Vsb",
                                 "FAN",  "CPU",   "CSV",   "Win",    "Hardware", "Monitor"};
const std::map<std::string, std::set<QString>> kSharedWords = {
    {"de", {"System", "Sensor", "Status", "Version", "Minimum"}},
    {"fr",
     {"double", "point", "minutes", "Page", "Ctrl", "Version", "Minimum", "Configuration", "Mode"}},
};

QString Plain(const QString& text) {
    QString plain =
        Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return plain.remove(QRegularExpression(QStringLiteral("&(?=\\S)")));
}

// Every text the window shows or tells a screen reader, as "where: text".
QStringList TextsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    const auto add = [&texts](const QString& text) {
        if (!text.trimmed().isEmpty())
            texts << Plain(text);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        for (const QString& t : {w->toolTip(), w->accessibleName(), w->accessibleDescription()})
            add(t);
        if (auto* l = qobject_cast<QLabel*>(w))
            add(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w))
            add(g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w))
            add(e->placeholderText());
        if (auto* s = qobject_cast<QSpinBox*>(w))
            for (const QString& t : {s->prefix(), s->suffix(), s->specialValueText()})
                add(t);
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(c->itemText(i));
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            const QAbstractItemModel* m = v->model();
            for (int c = 0; c < m->columnCount(); ++c) {
                add(m->headerData(c, Qt::Horizontal).toString());
                for (int r = 0; r < std::min(m->rowCount(), 20); ++r)
                    add(m->index(r, c).data().toString());
            }
        }
        if (auto* v = qobject_cast<QChartView*>(w)) {
            add(v->chart()->title());
            for (const QAbstractAxis* axis : v->chart()->axes())
                add(axis->titleText());
            for (const QLegendMarker* marker : v->chart()->legend()->markers())
                add(marker->label());
        }
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* menu : bar->actions()) {
                add(menu->text());
                if (menu->menu())
                    for (const QAction* item : menu->menu()->actions())
                        for (const QString& t : {item->text(), item->statusTip()})
                            add(t);
            }
    }
    return texts;
}

// Where the window's text does not fit: cut labels, buttons and titles, widgets past the
// window's edge, buttons that touch.
QStringList FitProblems(QWidget* window) {
    QStringList problems;
    const QRect screen = window->screen()->availableGeometry();
    if (!screen.contains(QRect(window->pos(), window->size())))
        problems << QStringLiteral("window %1 beyond the screen").arg(window->objectName());
    const int title = window->fontMetrics().horizontalAdvance(window->windowTitle());
    if (window->width() < title * 5 / 4 + 100)
        problems << QStringLiteral("title cut: ") + window->windowTitle();
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        const QString what = w->objectName() + QStringLiteral(" ");
        if (!window->rect().contains(QRect(w->mapTo(window, QPoint()), w->size())))
            problems << what + QStringLiteral("runs past the window");
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            const bool cut = l->wordWrap() ? l->height() < l->heightForWidth(l->width())
                                           : l->width() < l->sizeHint().width();
            if (cut)
                problems << what + QStringLiteral("cut: ") + Plain(l->text());
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            if (b->width() < b->sizeHint().width())
                problems << what + QStringLiteral("cut: ") + Plain(b->text());
        }
        if (auto* v = qobject_cast<QTableView*>(w); v && v->model()) // the last one stretches
            for (int c = 0; c + 1 < v->model()->columnCount(); ++c)
                for (int r = 0; r < v->model()->rowCount(); ++r) {
                    const QString text = v->model()->index(r, c).data().toString();
                    if (v->columnWidth(c) < v->fontMetrics().horizontalAdvance(text) + 6)
                        problems << what + QStringLiteral("cell cut: ") + text;
                }
        if (auto* g = qobject_cast<QGroupBox*>(w))
            if (g->width() < g->fontMetrics().horizontalAdvance(Plain(g->title())) + 16)
                problems << what + QStringLiteral("title cut: ") + g->title();
        auto* b = qobject_cast<QPushButton*>(w);
        for (QWidget* other : widgets) {
            auto* o = qobject_cast<QPushButton*>(other);
            if (!b || !o || o == b || !o->isVisibleTo(window) || o->parent() != b->parent())
                continue;
            if (b->geometry().adjusted(-3, 0, 3, 0).intersects(o->geometry()))
                problems << what + QStringLiteral("touches ") + Plain(o->text());
        }
    }
    return problems;
}

struct Visit {
    const char* name;
    std::function<void(DialogRig&)> open;
    bool outputs = false; // on a model with two fan outputs and no case switch
};

TEST(WindowTour, EveryWindowFitsAndSpeaksTheUsersLanguage) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" HMDX_SCREEN_CONFIG);
    QtApp();
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1280, 800));
    const std::vector<Visit> visits = {
        {"main", [](DialogRig& r) { r.w().show(); }},
        {"configuration", [](DialogRig& r) { r.forms.openConfiguration(); }},
        {"password", [](DialogRig& r) { r.forms.openPassword(PasswordAction::Disable); }},
        {"about", [](DialogRig& r) { r.forms.openAbout(); }},
        {"history", [](DialogRig& r) { r.w().history().open(12); }},
        {"history-case", [](DialogRig& r) { r.w().history().open(15); }},
        {"event-log", [](DialogRig& r) { r.w().openEventLog(); }},
        {"fan-control", [](DialogRig& r) { r.w().openFanControl(); }, true},
    };
    const QString shots = QStringLiteral(HMDX_SCREENSHOT_DIR);
    QDir().mkpath(shots);
    std::set<QString> english;
    for (const char* language : {"", "de", "fr"}) {
        const Translations translations{QLatin1String(language)};
        QLocale::setDefault(*language ? QLocale(QLatin1String(language)) : QLocale::c());
        std::map<QString, QStringList> shown;
        for (const bool outputs : {false, true}) {
            DialogRig rig(ScenarioFor(outputs ? "hmc" : "hmb"));
            RecordingNotifier notifier;
            rig.m().events.addSink(std::make_unique<NotificationSink>(notifier));
            rig.w().load();
            rig.chip().poke(0, 0x23, 250);  // +5V out of range: its warning opens
            rig.chip().poke(0, 0x42, 0x10); // the case opened, where there is a switch
            for (int i = 0; i < 3; ++i)
                rig.tick();
            QStringList& told = shown[QStringLiteral("tray and notifications")];
            told << rig.tray.toolTip;
            for (const Notifier::Notification& n : notifier.sent)
                for (const std::string* t : {&n.summary, &n.body, &n.actionLabel})
                    told << QString::fromStdString(*t);
            for (const Visit& visit : visits) {
                if (visit.outputs != outputs)
                    continue;
                visit.open(rig);
                WindowRig::settle();
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (!window->isVisible() ||
                        (window == &rig.w() && std::string_view(visit.name) != "main"))
                        continue;
                    const QString name =
                        QStringLiteral("%1-%2").arg(visit.name, window->objectName());
                    window->grab().save(QStringLiteral("%1/%2-%3.png")
                                            .arg(shots, *language ? language : "C", name));
                    for (const QString& problem : FitProblems(window))
                        ADD_FAILURE() << language << " " << name.toStdString() << ": "
                                      << problem.toStdString();
                    shown[name] += TextsOf(window);
                    if (window != &rig.w())
                        window->close();
                }
                WindowRig::settle(); // closed windows are gone before the next opens
            }
            rig.w().hide();
            WindowRig::settle();
        }
        const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
        const std::set<QString> shared =
            *language ? kSharedWords.at(language) : std::set<QString>();
        for (const auto& [where, texts] : shown)
            for (const QString& text : texts)
                for (const auto& m : word.globalMatch(text)) {
                    if (!*language)
                        english.insert(m.captured());
                    else if (english.count(m.captured()) && !kKept.count(m.captured()) &&
                             !shared.count(m.captured()))
                        ADD_FAILURE() << language << " " << where.toStdString() << ": English \""
                                      << m.captured().toStdString() << "\" in \""
                                      << text.toStdString() << "\"";
                }
    }
    QLocale::setDefault(QLocale::c());
}

} // namespace
} // namespace hmdx::test
