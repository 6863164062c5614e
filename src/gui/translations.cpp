#include "gui/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextStream>
#include <QTranslator>
#include <QVariant>
#include <QWidget>

#include "gui/translationpatterns.h"
#include "settings/languages.h"

namespace vak1 {
namespace {

// Menu language number -> the code of Qt's translation files (0: the program's German);
// English, Qt's own language, needs none.
QString LanguageCode(int menuLanguage) {
    if (menuLanguage == 0 || menuLanguage == 1) return "de";
    return menuLanguage == 2 ? QString() : QString(TranslationCode(menuLanguage));
}

QTranslator* qtTranslator = nullptr;
int installedLanguage = -1;
QTranslator* programTranslator = nullptr;

void Remove(QTranslator*& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

QString Lookup(const QString& german) {
    const QByteArray key = german.toUtf8();
    const QString found = QCoreApplication::translate("core", key.constData());
    return found;
}

// A text with a name, number or path in it: the pattern's translation with the pieces put
// back (the pieces translated where they are texts of their own).
QString ByPattern(const QString& german) {
    struct Compiled {
        QString pattern;
        QRegularExpression re;
    };
    static const std::vector<Compiled> compiled = [] {
        std::vector<Compiled> out;
        static const QRegularExpression slot("%[1-9]");
        for (const char* p : kTranslationPatterns) {
            const QString pattern = QString::fromUtf8(p);
            QString re;
            int at = 0;
            for (auto it = slot.globalMatch(pattern); it.hasNext();) {
                const auto m = it.next();
                re += QRegularExpression::escape(pattern.mid(at, m.capturedStart() - at));
                re += "(.*?)";
                at = m.capturedEnd();
            }
            re += QRegularExpression::escape(pattern.mid(at));
            out.push_back(
                {pattern, QRegularExpression(QRegularExpression::anchoredPattern(re),
                                             QRegularExpression::DotMatchesEverythingOption)});
        }
        return out;
    }();
    for (const Compiled& c : compiled) {
        const auto m = c.re.match(german);
        if (!m.hasMatch()) continue;
        // A name or number stands on one line: a text of several lines is translated line
        // by line instead, so a short pattern never swallows the lines after its own.
        bool oneLine = true;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            oneLine = oneLine && !m.captured(i).contains('\n');
        if (!oneLine && !c.pattern.contains('\n')) continue;
        QString out = Lookup(c.pattern);
        if (out == c.pattern) continue;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) {
            // A piece is a text of its own, or one with a pattern (a shorter text each time).
            const QString piece = m.captured(i);
            QString translated = Lookup(piece);
            if (translated == piece && piece.size() < german.size()) {
                const QString byPattern = ByPattern(piece);
                if (!byPattern.isEmpty()) translated = byPattern;
            }
            out = out.replace(QString("%%1").arg(i), translated);
        }
        return out;
    }
    return {};
}

// A text is worth noting when it has a letter that a translation could change.
bool HasWords(const QString& text) {
    static const QRegularExpression word("\\p{L}{2,}");
    return text.contains(word);
}

QString TranslateOne(const QString& german) {
    if (german.trimmed().isEmpty()) return german;
    QString t = Lookup(german);
    if (t != german) return t;
    // Blanks around a text are layout, not part of the text.
    const QString core = german.trimmed();
    if (core != german) {
        t = Lookup(core);
        if (t != core) {
            const int lead = german.indexOf(core);
            return german.left(lead) + t + german.mid(lead + core.size());
        }
    }
    t = ByPattern(german);
    if (!t.isEmpty()) return t;
    NoteUntranslated(german);
    return german;
}

const char* const kSourceProperty = "vak1_de_";
const char* const kShownProperty = "vak1_shown_";

// One translatable text of a widget: the German source is what was set, unless the text
// shown is still the one this code put there.
QString Translated(QObject& owner, const QString& key, const QString& current) {
    const QByteArray source = (kSourceProperty + key).toUtf8();
    const QByteArray shown = (kShownProperty + key).toUtf8();
    const QVariant lastShown = owner.property(shown.constData());
    QString german = current;
    if (lastShown.isValid() && lastShown.toString() == current)
        german = owner.property(source.constData()).toString();
    const QString t = TrCore(german);
    owner.setProperty(source.constData(), german);
    owner.setProperty(shown.constData(), t);
    return t;
}

// The same for the texts of item views, kept in the items.
constexpr int kSourceRole = Qt::UserRole + 0x5d0;
constexpr int kShownRole = Qt::UserRole + 0x5d1;

template <typename Item> void TranslateItem(Item& item) {
    const QString current = item.text();
    QString german = current;
    const QVariant shown = item.data(kShownRole);
    if (shown.isValid() && shown.toString() == current) german = item.data(kSourceRole).toString();
    const QString t = TrCore(german);
    item.setData(kSourceRole, german);
    item.setData(kShownRole, t);
    if (t != current) item.setText(t);
}

void TranslateTip(QWidget& w) {
    if (!w.toolTip().isEmpty()) {
        const QString t = Translated(w, "tip", w.toolTip());
        if (t != w.toolTip()) w.setToolTip(t);
    }
}

void TranslateAction(QAction& a) {
    if (a.isSeparator()) return;
    const QString t = Translated(a, "text", a.text());
    if (t != a.text()) a.setText(t);
    if (!a.toolTip().isEmpty() && a.toolTip() != a.text()) {
        const QString tip = Translated(a, "tip", a.toolTip());
        if (tip != a.toolTip()) a.setToolTip(tip);
    }
}

void TranslateWidget(QWidget& w) {
    if (w.isWindow() && !w.windowTitle().isEmpty()) {
        const QString t = Translated(w, "title", w.windowTitle());
        if (t != w.windowTitle()) w.setWindowTitle(t);
    }
    TranslateTip(w);
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        const QString t = Translated(w, "text", label->text());
        if (t != label->text()) label->setText(t);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        const QString t = Translated(w, "text", button->text());
        if (t != button->text()) button->setText(t);
    } else if (auto* group = qobject_cast<QGroupBox*>(&w)) {
        const QString t = Translated(w, "text", group->title());
        if (t != group->title()) group->setTitle(t);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(&w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            const QString t = Translated(w, QString("tab%1").arg(i), tabs->tabText(i));
            if (t != tabs->tabText(i)) tabs->setTabText(i, t);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
        if (!edit->placeholderText().isEmpty())
            edit->setPlaceholderText(Translated(w, "hint", edit->placeholderText()));
    } else if (auto* combo = qobject_cast<QComboBox*>(&w)) {
        // An editable combo box holds what was typed, not captions.
        if (!combo->isEditable())
            for (int i = 0; i < combo->count(); ++i) {
                const QString current = combo->itemText(i);
                QString german = current;
                const QVariant shown = combo->itemData(i, kShownRole);
                if (shown.isValid() && shown.toString() == current)
                    german = combo->itemData(i, kSourceRole).toString();
                const QString t = TrCore(german);
                combo->setItemData(i, german, kSourceRole);
                combo->setItemData(i, t, kShownRole);
                if (t != current) combo->setItemText(i, t);
            }
    } else if (auto* list = qobject_cast<QListWidget*>(&w)) {
        for (int i = 0; i < list->count(); ++i)
            if (!(list->item(i)->flags() & Qt::ItemIsEditable)) TranslateItem(*list->item(i));
    } else if (auto* table = qobject_cast<QTableWidget*>(&w)) {
        for (int c = 0; c < table->columnCount(); ++c)
            if (QTableWidgetItem* h = table->horizontalHeaderItem(c)) TranslateItem(*h);
        for (int r = 0; r < table->rowCount(); ++r)
            if (QTableWidgetItem* h = table->verticalHeaderItem(r)) TranslateItem(*h);
    } else if (auto* menu = qobject_cast<QMenu*>(&w)) {
        const QString t = Translated(w, "text", menu->title());
        if (t != menu->title()) menu->setTitle(t);
    }
    for (QAction* a : w.actions())
        TranslateAction(*a);
}

class ShowTranslator : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow()) TranslateWindow(*w);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QString TrCore(const QString& german) {
    if (!programTranslator || german.isEmpty()) return german;
    QString t = TranslateOne(german);
    if (t != german || !german.contains('\n')) return t;
    QStringList lines = german.split('\n');
    for (QString& line : lines)
        line = TranslateOne(line);
    return lines.join('\n');
}

QString TrCore(const char* germanUtf8) {
    return TrCore(QString::fromUtf8(germanUtf8));
}

void NoteUntranslated(const QString& german) {
    static const QString file = qEnvironmentVariable("VAK1_UNTRANSLATED");
    if (file.isEmpty() || !HasWords(german)) return;
    static QSet<QString> noted;
    if (noted.contains(german)) return;
    noted.insert(german);
    QFile out(file);
    if (!out.open(QIODevice::Append | QIODevice::Text)) return;
    QTextStream(&out) << QString(german).replace('\\', "\\\\").replace('\n', "\\n") << '\n';
}

void TranslateWindow(QWidget& window) {
    TranslateWidget(window);
    for (QWidget* w : window.findChildren<QWidget*>())
        TranslateWidget(*w);
}

void TranslateWindowsWhenShown() {
    static ShowTranslator* filter = nullptr;
    if (filter || !QCoreApplication::instance()) return;
    filter = new ShowTranslator(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

void FollowMenuLanguage(int menuLanguage) {
    if (menuLanguage != installedLanguage) LoadQtTranslations(menuLanguage);
}

bool LoadQtTranslations(int menuLanguage) {
    installedLanguage = menuLanguage;
    Remove(qtTranslator);
    Remove(programTranslator);
    if (!QCoreApplication::instance()) return false;
    const QString program = TranslationCode(menuLanguage);
    if (!program.isEmpty()) {
        auto* translator = new QTranslator;
        if (translator->load("vak1_" + program, ":/i18n")) {
            QCoreApplication::installTranslator(translator);
            programTranslator = translator;
        } else {
            delete translator;
        }
    }
    bool qtInstalled = false;
    const QString code = LanguageCode(menuLanguage);
    if (!code.isEmpty()) {
        auto* translator = new QTranslator;
        if (translator->load("qtbase_" + code,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator);
            qtTranslator = translator;
            qtInstalled = true;
        } else {
            delete translator;
        }
    }
    TranslateWindowsWhenShown();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) TranslateWindow(*w);
    return qtInstalled;
}

} // namespace vak1
