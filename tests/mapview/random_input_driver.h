// Seeded random input into whichever window is in front, Qt's dialogs too; a timer per nested event loop plays it.
#pragma once

#include "support/random_stream.h"
#include "windows/qt_interaction.h"

#include <QTest>
#include <QtWidgets>

#include <filesystem>
#include <functional>
#include <map>
#include <numeric>
#include <set>

namespace korvane::random_input {

using testing::RandomStream;

/// Answers at random, a quarter through the real message boxes; while `strict`, every message is a fault.
class RandomInteraction : public UserInteraction
{
public:
    explicit RandomInteraction(RandomStream& random)
        : random_(random)
    {
    }

    bool strict = false;
    std::vector<std::string> strictMessages;

    void Info(const std::string& text) override { Message(text, &QtInteraction::Info); }
    void Warning(const std::string& text) override { Message(text, &QtInteraction::Warning); }
    void Error(const std::string& text) override { Message(text, &QtInteraction::Error); }
    bool AskYesNo(const std::string& text) override
    {
        return Strict(text) || (Shown() ? boxes_.AskYesNo(text) : random_.Chance(0.5));
    }
    Answer AskYesNoCancel(const std::string& text) override
    {
        return Strict(text) ? Answer::Yes
            : Shown()       ? boxes_.AskYesNoCancel(text)
                            : std::vector{Answer::Yes, Answer::No, Answer::Cancel}[random_.Int(0, 2)];
    }
    bool Identify(const std::string& objectText) override
    {
        return !Strict(objectText) && (Shown() ? boxes_.Identify(objectText) : random_.Chance(0.5));
    }
    bool ProcessPendingMessages() override { return boxes_.ProcessPendingMessages(); }

private:
    void Message(const std::string& text, void (QtInteraction::*show)(const std::string&))
    {
        if (!Strict(text) && Shown())
            (boxes_.*show)(text);
    }
    bool Strict(const std::string& text)
    {
        if (strict)
            strictMessages.push_back(text);
        return strict;
    }
    bool Shown() { return random_.Chance(0.25); }

    RandomStream& random_;
    QtInteraction boxes_;
};

/// Names the file dialogs are answered with, all inside the scratch folder.
struct FilePools
{
    std::string scratch, program = scratch + "/program", files = scratch + "/files";

    /// What the folders hold, but a map bitmap of hundreds of megabytes, which any reader takes long over.
    static std::vector<std::string> In(std::initializer_list<std::string> dirs)
    {
        std::vector<std::string> names;
        std::error_code error;
        for (const std::string& dir : dirs)
            for (const auto& entry : std::filesystem::directory_iterator(dir, error))
                if (!entry.is_regular_file(error) || entry.file_size(error) <= (16 << 20))
                    names.push_back(entry.path().string());
        return names;
    }

    /// A report, exchange or battle file, a data file, junk; now and then a missing one.
    std::string ToOpen(RandomStream& random) const
    {
        const std::vector<std::string> names = In({files, program + "/IMPORT", program + "/DATA", program});
        if (names.empty() || random.Chance(0.1))
            return files + "/missing-" + std::to_string(random.Int(0, 3)) + ".txt";
        return random.Pick(names);
    }

    /// A file to replace, a new one, a folder, or one in a missing folder; never a data file, which is asked for.
    std::string ToSave(RandomStream& random) const
    {
        static const std::vector<std::string> kEndings = {".kvd", ".KVD", ".btl", ".txt", ".bmp", "", ".dat"};
        const int how = random.Int(0, 5);
        if (const std::vector<std::string> names = In({files}); how == 0 && !names.empty())
            return random.Pick(names);
        if (how <= 2)
            return files + "/new-" + std::to_string(random.Int(0, 20)) + random.Pick(kEndings);
        if (how == 3)
            return files + "/name with spaces, \xC3\xA9t\xC3\xA9 " + std::to_string(random.Int(0, 3))
                + random.Pick(kEndings);
        return how == 4 ? files + "/no such folder/x" + random.Pick(kEndings) : files;
    }
};

/// Keys as a player names them, separated by spaces: "Esc Shift+Left Ctrl+G".
inline std::vector<QKeyCombination> Keys(const char* names)
{
    std::vector<QKeyCombination> keys;
    for (const QString& name : QString(names).split(' '))
        keys.push_back(QKeySequence(name, QKeySequence::PortableText)[0]);
    return keys;
}

inline std::string Name(const QObject* object)
{
    return object->objectName().toStdString();
}

/// Plays the main window through ActOnMain, any other window by its controls; closes all when the stream runs out.
class RandomDriver
{
public:
    RandomDriver(RandomStream& random, const FilePools& pools)
        : random_(random)
        , pools_(pools)
    {
        clock_.start();
    }

    /// Plays until the stream runs out (then closes every window, the main one last) or the player closed it.
    void Run(QWidget& window)
    {
        window_ = &window;
        ending_ = false;
        mark_ = clock_.elapsed();
        QEventLoop loop;
        loop_ = &loop;
        Timer(0)->start();
        loop.exec();
        for (const auto& timer : timers_)
            timer->stop();
        loop_ = nullptr;
    }

    std::vector<std::string> failures;
    std::map<std::string, long> actedOn;  // steps per window, to see that every window was reached

protected:
    virtual void ActOnMain() = 0;

    /// Counts and names the step about to be played on the target; KORVANE_RANDOM_TRACE prints each.
    void Note(const std::string& what)
    {
        const std::string window = target_ ? target_->metaObject()->className() : "-";
        lastStep_ = "#" + std::to_string(random_.EventNo()) + " d" + std::to_string(depth_) + " " + window + ": "
            + what;
        if (trace_)
            fprintf(stderr, "%s\n", lastStep_.c_str());
        ++actedOn[window];
    }

    /// Plays one of the actions, each as likely as its weight.
    void OneOf(const std::vector<std::pair<int, std::function<void()>>>& actions)
    {
        int roll = random_.Int(0,
                               std::accumulate(actions.begin(), actions.end(), 0, [](int sum, const auto& action) {
                                   return sum + action.first;
                               }) - 1);
        for (const auto& [weight, act] : actions)
            if ((roll -= weight) < 0)
                return act();
    }

    void Press(QWidget* to, QKeyCombination key)
    {
        Note("key " + QKeySequence(key).toString().toStdString() + " in " + Name(to));
        QTest::keyClick(to, key.key(), key.keyboardModifiers());
    }

    void Click(const std::string& what, QWidget* on, QPoint at = {}, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = {}, bool twice = false)
    {
        Note(what);
        twice ? QTest::mouseDClick(on, button, mods, at) : QTest::mouseClick(on, button, mods, at);
    }

    /// The calculator starts a program of the desktop, which a test must not.
    static bool Skipped(const QAction* item) { return item->objectName() == "mnuToolsCalc"; }

    /// Any window by its controls, but the bulk import's drive list, which leads out of the scratch folder.
    void ActOnWidgets()
    {
        static const auto kKeys = Keys("Esc Return Enter Tab Shift+Backtab Space Del F1 Down Up Alt+A Alt+O Alt+M "
                                       "Alt+D Alt+U Alt+S Alt+C");
        static const auto kListKeys = Keys("Up Down Home End PgDown A Return");
        // No drags, which wait for a real mouse; in the file system no keys that wander out of the scratch folder.
        static const auto kViewKeys = Keys("Up Down Home End PgDown Space Return Del Ctrl+A Shift+Down G Right Left");
        static const std::vector<const char*> kKinds = {"QAbstractButton", "QLineEdit",         "QAbstractSpinBox",
                                                        "QComboBox",       "QAbstractItemView", "QPlainTextEdit",
                                                        "QTextEdit",       "QTabBar",           "QAbstractSlider"};
        std::vector<QWidget*> controls;
        for (QWidget* widget : target_->findChildren<QWidget*>())
            if (widget->window() == target_ && widget->isVisible() && widget->isEnabled() && Name(widget) != "lstDrives"
                && std::any_of(kKinds.begin(), kKinds.end(), [&](const char* kind) { return widget->inherits(kind); }))
                controls.push_back(widget);
        if (controls.empty() || random_.Chance(0.08))
            return Press(target_->focusWidget() ? target_->focusWidget() : target_.data(), random_.Pick(kKeys));
        QWidget* control = random_.Pick(controls);
        auto* combo = qobject_cast<QComboBox*>(control);
        auto* view = qobject_cast<QAbstractItemView*>(control);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            // A check box or option is clicked on its tick, which a wide one does not have in its middle.
            const bool ticked = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
            Click("click " + Name(button) + " " + button->text().toStdString(), button,
                  ticked ? QPoint(8, button->height() / 2) : QPoint());
        } else if (const int how = combo ? random_.Int(0, 3) : 0; how == 0 && combo) {
            Click("open the list " + Name(combo), combo);
        } else if (combo) {
            how == 1 && combo->isEditable() ? TypeInto(combo) : Press(combo, random_.Pick(kListKeys));
        } else if (view) {
            if (random_.Chance(0.75))
                return ClickItem(view);
            const QKeyCombination key = random_.Pick(kViewKeys);
            if (qobject_cast<QFileSystemModel*>(view->model()) && key.key() != Qt::Key_Space
                && key.key() != Qt::Key_Return)
                return ClickItem(view);
            Press(view, key);
        } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            const int tab = random_.Int(0, std::max(0, tabs->count() - 1));
            Click("tab " + tabs->tabText(tab).toStdString(), tabs, tabs->tabRect(tab).center());
        } else if (qobject_cast<QAbstractSlider*>(control)) {
            Click("click the bar " + Name(control), control,
                  {random_.Int(0, std::max(0, control->width() - 1)),
                   random_.Int(0, std::max(0, control->height() - 1))});
        } else {
            TypeInto(control);
        }
    }

    RandomStream& random_;
    const FilePools& pools_;
    QPointer<QWidget> window_;
    QPointer<QWidget> target_;

private:
    QTimer* Timer(int depth)
    {
        while (static_cast<int>(timers_.size()) <= depth) {
            auto& timer = timers_.emplace_back(std::make_unique<QTimer>());
            QObject::connect(timer.get(), &QTimer::timeout, [this, level = int(timers_.size()) - 1] { Tick(level); });
        }
        return timers_[depth].get();
    }

    void Fail(const std::string& what)
    {
        failures.push_back(what + " at " + random_.Where());
        fprintf(stderr, "RandomInput: %s\n", failures.back().c_str());
    }

    /// A gap of more than 5 s since the last step began or ended was spent on one event.
    void CheckTime(const char* when)
    {
        const qint64 now = clock_.elapsed();
        if (now - mark_ > 5000)
            Fail("an event took " + std::to_string(now - mark_) + " ms (" + when + " " + lastStep_ + ")");
        mark_ = now;
    }

    void Tick(int depth)
    {
        CheckTime("after");
        // A folder name joined to a file name without a separator lands beside the scratch folder.
        const std::filesystem::path scratch(pools_.scratch);
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(scratch.parent_path(), error))
            if (const std::string name = entry.path().filename().string();
                name != scratch.filename() && name.rfind(scratch.filename(), 0) == 0 && strays_.insert(name).second)
                Fail("written outside the scratch folder: " + entry.path().string());
        ending_ = ending_ || random_.Done() || !window_ || !window_->isVisible();
        QTimer* deeper = Timer(depth + 1);
        deeper->start();
        const int outerDepth = std::exchange(depth_, depth);
        const QPointer<QWidget> outerTarget = target_;
        ending_ ? Close() : Step();
        depth_ = outerDepth;
        target_ = outerTarget;
        deeper->stop();
        CheckTime("during");
    }

    /// Ending: the windows in front are closed, the main window last; then the loop ends.
    void Close()
    {
        if ((target_ = QApplication::activePopupWidget()))
            Press(target_, Qt::Key_Escape);
        else if ((target_ = QApplication::activeModalWidget())
                 || (window_ && window_->isVisible() && (target_ = window_)))
            CloseWindow("close (ending)");
        else if (depth_ == 0 && loop_)
            loop_->quit();
        if (++closingTicks_ > 5000) {
            Fail("the windows would not close");
            if (loop_)
                loop_->quit();
        }
    }

    void CloseWindow(const std::string& what)
    {
        Note(what);
        if (qobject_cast<QDialog*>(target_) && random_.Chance(0.5))
            QTest::keyClick(target_->focusWidget() ? target_->focusWidget() : target_.data(), Qt::Key_Escape);
        else
            target_->close();  // the title bar's close button
    }

    void Step()
    {
        closingTicks_ = 0;
        random_.NextEvent();
        if ((target_ = QApplication::activePopupWidget()))
            return ActOnPopup();
        // Every shown window, or the modal one and those it opened; sorted by name, so that a seed plays the same run.
        QWidget* modal = QApplication::activeModalWidget();
        std::vector<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            bool reachable = !modal;
            for (const QWidget* up = widget; up && !reachable; up = up->parentWidget())
                reachable = up == modal;
            if (reachable && widget->isVisible() && !widget->isMinimized() && !qobject_cast<QMenu*>(widget)
                && widget->windowType() != Qt::ToolTip && widget->windowType() != Qt::Popup)
                windows.push_back(widget);
        }
        if (windows.empty())
            return;
        const auto key = [](const QWidget* w) {
            return std::tuple(std::string(w->metaObject()->className()), w->objectName(), w->windowTitle());
        };
        std::stable_sort(windows.begin(), windows.end(), [&](auto* a, auto* b) { return key(a) < key(b); });
        // Without a modal window the player works mostly in the main one, now and then in a tool window.
        QWidget* const main = window_.data();
        target_ = modal ? (random_.Chance(0.8) ? modal : random_.Pick(windows))
                        : (random_.Chance(0.6) ? main : random_.Pick(windows));
        // The window acted on is the active one, as under the player's mouse: keys go by it.
        if (QApplication::activeWindow() != target_)
            QApplication::setActiveWindow(target_);
        if (target_ != main && random_.Chance(0.02 + 0.03 * depth_))
            return CloseWindow("close");
        if (target_ == main)
            ActOnMain();
        else if (!AnswerQtDialog())
            ActOnWidgets();
    }

    void ActOnPopup()
    {
        if (auto* menu = qobject_cast<QMenu*>(target_)) {
            std::vector<QAction*> items;
            for (QAction* item : menu->actions())
                if (item->isVisible() && item->isEnabled() && !item->isSeparator() && !Skipped(item))
                    items.push_back(item);
            if (items.empty() || random_.Chance(0.1))
                return Press(menu, Qt::Key_Escape);
            QAction* item = random_.Pick(items);
            return Click("menu item " + item->text().toStdString(), menu, menu->actionGeometry(item).center());
        }
        auto* view = target_->findChild<QAbstractItemView*>();
        if (view && random_.Chance(0.8))
            return ClickItem(view);
        Press(target_, Qt::Key_Escape);
    }

    /// Qt's own dialogs; a file dialog by name only, as browsing could lead out of the scratch folder.
    bool AnswerQtDialog()
    {
        auto* files = qobject_cast<QFileDialog*>(target_);
        auto* input = qobject_cast<QInputDialog*>(target_);
        auto* colour = qobject_cast<QColorDialog*>(target_);
        if (auto* box = qobject_cast<QMessageBox*>(target_)) {
            const QList<QAbstractButton*> buttons = box->buttons();
            if (buttons.isEmpty() || random_.Chance(0.1))
                Press(box, Qt::Key_Escape);
            else if (QAbstractButton* button = buttons[random_.Int(0, int(buttons.size()) - 1)])
                Click("button " + button->text().toStdString(), button);
        } else if (!files && !input && !colour) {
            return false;
        } else if (random_.Chance(files ? 0.15 : input ? 0.2 : 0.3)) {
            Note("cancel");
            static_cast<QDialog*>(target_.data())->reject();
        } else if (files) {
            const bool save = files->acceptMode() == QFileDialog::AcceptSave;
            const QString name = QString::fromStdString(save ? pools_.ToSave(random_) : pools_.ToOpen(random_));
            Note((save ? "save as " : "open ") + name.toStdString());
            if (auto* box = files->findChild<QLineEdit*>("fileNameEdit"))
                box->setText(name);
            else
                files->selectFile(name);
            QMetaObject::invokeMethod(files, "accept");
        } else if (input) {
            static const std::vector<std::string> kNames = {"", "Glor", "a", "ville", "Korvane"};
            const std::string text = random_.Chance(0.5) ? random_.Pick(kNames) : random_.Text();
            Note("type " + text + " and OK");
            input->setTextValue(QString::fromStdString(text));
            input->accept();
        } else {
            const QColor pick(random_.Int(0, 255), random_.Int(0, 255), random_.Int(0, 255));
            Note("pick " + pick.name().toStdString());
            colour->setCurrentColor(pick);
            colour->accept();
        }
        return true;
    }

    /// Typed key by key, as a player types, so that validators and key filters see each one; `over` all there was.
    void Type(QWidget* box, const std::string& text, bool over)
    {
        const QPointer<QWidget> alive = box;
        Note((over ? "type over " : "type into ") + Name(box) + " \"" + text + "\"");
        if (over)
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (over && alive)
            QTest::keyClick(box, Qt::Key_Delete);
        for (const QChar c : QString::fromStdString(text))
            if (alive && c.unicode() < 128)
                QTest::keyClick(box, static_cast<char>(c.unicode()));
            else if (alive)
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    /// A box holding a path is typed over whole: a letter changed in the middle could lead out of the folder.
    void TypeInto(QWidget* box)
    {
        static const auto kKeys = Keys(
            "Return Esc Backspace Del Home End Up Down PgUp PgDown Ctrl+Z Ctrl+V Ctrl+X Tab");
        static const auto kPathKeys = Keys("Return Esc Home End Tab Up Down");
        const QPointer<QWidget> alive = box;
        QTest::mouseClick(box, Qt::LeftButton, {},
                          QPoint(random_.Int(1, std::max(1, box->width() - 2)), box->height() / 2));
        if (!alive)
            return;
        const auto* edit = qobject_cast<const QLineEdit*>(box);
        const auto* combo = qobject_cast<const QComboBox*>(box);
        if ((edit && edit->text().contains('/')) || (combo && combo->currentText().contains('/'))) {
            const int how = random_.Int(0, 3);
            return how >= 2 ? Press(box, random_.Pick(kPathKeys))
                            : Type(box, how == 0 ? pools_.ToSave(random_) : random_.Text(), true);
        }
        const int how = random_.Int(0, 4);
        if (how <= 1) {
            Type(box, how == 0 ? random_.Text() : random_.Number(), how == 1);
        } else if (const QKeyCombination key = random_.Pick(kKeys);
                   key.key() != Qt::Key_V || !QGuiApplication::clipboard()->text().contains('/')) {
            Press(box, key);  // but not a path cut from a file box, which could lead out of the scratch folder
        }
    }

    /// Any line of the view, clicked in one of five ways; in a view of the file system only the scratch folders.
    void ClickItem(QAbstractItemView* view)
    {
        QAbstractItemModel* model = view->model();
        const QModelIndex root = view->rootIndex();
        QModelIndex index;
        if (auto* files = qobject_cast<QFileSystemModel*>(model))
            index = files->index(QString::fromStdString(random_.Pick(std::vector<std::string>{
                pools_.scratch, pools_.program, pools_.program + "/IMPORT", pools_.files, pools_.program + "/DATA"})));
        else if (model && model->rowCount(root) > 0)
            index = model->index(random_.Int(0, model->rowCount(root) - 1),
                                 random_.Int(0, std::max(1, model->columnCount(root)) - 1), root);
        QWidget* on = view->viewport();
        if (!index.isValid())
            return Click("click the empty list " + Name(view), on);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        const std::string line = " line " + std::to_string(index.row()) + " of " + Name(view);
        OneOf({{3, [&] { Click("click" + line, on, at); }},
               {1, [&] { Click("Ctrl+click" + line, on, at, Qt::LeftButton, Qt::ControlModifier); }},
               {1, [&] { Click("Shift+click" + line, on, at, Qt::LeftButton, Qt::ShiftModifier); }},
               {1, [&] { Click("double click" + line, on, at, Qt::LeftButton, {}, true); }},
               {1, [&] { Click("right click" + line, on, at, Qt::RightButton); }}});
    }

    std::vector<std::unique_ptr<QTimer>> timers_;
    QEventLoop* loop_ = nullptr;
    int depth_ = 0;
    bool ending_ = false;
    long closingTicks_ = 0;
    QElapsedTimer clock_;
    qint64 mark_ = 0;
    std::string lastStep_ = "the start";
    std::set<std::string> strays_;
    const bool trace_ = qEnvironmentVariableIsSet("KORVANE_RANDOM_TRACE");
};

}  // namespace korvane::random_input
