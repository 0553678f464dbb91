// Every window under seeded random input: no crash, no slow event, nothing written outside, the folder reopens quietly.
#include "mapview/windows/frm_map.h"

#include "storage/exchange_file.h"
#include "storage/map_database.h"
#include "support/fixtures.h"
#include "support/random_stream.h"
#include "support/scripted_interaction.h"
#include "windows/qt_interaction.h"
#include "windows/unit_browser_world.h"
#include "workspace/workspace.h"

#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numeric>
#include <set>

namespace fs = std::filesystem;

namespace korvane {
namespace {

using testing::RandomStream;

std::string gScratch;  // HOME, XDG_* and TMPDIR point inside

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
std::vector<QKeyCombination> Keys(const char* names)
{
    std::vector<QKeyCombination> keys;
    for (const QString& name : QString(names).split(' '))
        keys.push_back(QKeySequence(name, QKeySequence::PortableText)[0]);
    return keys;
}

std::string Name(const QObject* object)
{
    return object->objectName().toStdString();
}

/// Plays the main window by gestures on the map, its keys, menus and controls and files dropped on it, any other
/// window by its controls; closes all when the stream runs out.
class RandomDriver
{
public:
    RandomDriver(RandomStream& random, const FilePools& pools)
        : random_(random)
        , pools_(pools)
    {
        clock_.start();
    }

    void Run(QWidget& window)
    {
        window_ = &window;
        ending_ = false;
        mark_ = clock_.elapsed();
        QTimer first;
        QObject::connect(&first, &QTimer::timeout, [this] { Tick(0); });
        first.start();
        loop_.exec();
    }

    std::vector<std::string> failures;
    std::map<std::string, long> actedOn;  // steps per window, to see that every window was reached

private:
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

    TfrmMAP& W() const { return static_cast<TfrmMAP&>(*window_); }
    QWidget* Map() const { return W().Widgets().paintMap; }
    QPoint MapPoint() { return {random_.Int(-4, Map()->width() + 4), random_.Int(-4, Map()->height() + 4)}; }

    void ActOnMain()
    {
        static const auto kKeys = Keys("Left Right Up Down Shift+Left Shift+Down + = - Home PgUp PgDown U Ctrl+G "
                                       "Ctrl+S Ctrl+I F1 Esc Tab Space Return A Alt+F Alt+V");
        OneOf({{45, [&] { MapGesture(); }},
               {23, [&] { ActOnWidgets(); }},
               {15, [&] { MenuItem(); }},
               {14,
                [&] {
                    const QKeyCombination key = random_.Pick(kKeys);
                    QWidget* to = random_.Chance(0.5) ? Map() : window_->focusWidget();
                    Press(to ? to : window_.data(), key);
                }},
               {3, [&] { DropFiles(); }}});
    }

    void MapGesture()
    {
        static const auto kMods = Keys("X X X Shift+X Ctrl+X Alt+X Ctrl+Shift+X");  // for their modifiers
        static const std::vector<int> kWheel = {120, -120, 15, -15, 240, -360, 1};
        QWidget* map = Map();
        const QPoint at = MapPoint();
        const QPoint global = map->mapToGlobal(at);
        const Qt::KeyboardModifiers mods = random_.Pick(kMods).keyboardModifiers();
        const FrmMapWidgets& w = W().Widgets();
        QCursor::setPos(global);  // the pointer is where the player clicks; a context menu opens there
        const auto send = [&](const std::string& what, auto event) {
            Note(what);
            QSpontaneKeyEvent::setSpontaneous(&event);
            QApplication::sendEvent(map, &event);
        };
        OneOf({{6,
                [&] {
                    send("move over the map",
                         QMouseEvent(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, mods));
                }},
               {3, [&] { Click("click on the map", map, at, Qt::LeftButton, mods); }},
               {3, [&] { Click("double click on the map", map, at, Qt::LeftButton, mods, true); }},
               {3, [&] { Click("right click on the map", map, at, Qt::RightButton, mods); }},
               {6, [&] { Drag(map); }},
               {6,
                [&] {
                    const bool sideways = random_.Chance(0.15);
                    const int delta = random_.Pick(kWheel);
                    send("wheel " + std::to_string(delta) + (sideways ? " sideways" : ""),
                         QWheelEvent(at, global, QPoint(), sideways ? QPoint(delta, 0) : QPoint(0, delta), Qt::NoButton,
                                     mods, Qt::NoScrollPhase, false));
                }},
               {1,
                [&] {
                    Click("click on the overview", w.imgSmallMap,
                          {random_.Int(0, w.imgSmallMap->width()), random_.Int(0, w.imgSmallMap->height())});
                }},
               {1, [&] { Click("click on the coordinates", w.pnlCoords); }},
               {1, [&] { Drag(w.pnlMain->handle(1), true); }}});
    }

    /// With the middle, left or space+left button, or of the splitter; released unless the window went.
    void Drag(QPointer<QWidget> on, bool splitter = false)
    {
        static const std::vector<std::string> kHow = {"middle", "left", "space+left"};
        const std::string how = splitter ? "left" : random_.Pick(kHow);
        Note((splitter ? "drag the splitter with " : "drag with ") + how);
        if (!on)
            return;
        const Qt::MouseButton button = how == "middle" ? Qt::MiddleButton : Qt::LeftButton;
        if (how == "space+left")
            QTest::keyPress(on, Qt::Key_Space);
        QPoint at = splitter ? on->rect().center() : MapPoint();
        QTest::mousePress(on, button, {}, at);
        for (int moves = splitter ? 2 : random_.Int(1, 5); moves > 0 && on; --moves)
            QTest::mouseMove(on,
                             at += splitter ? QPoint(random_.Int(-600, 600), 0)
                                            : QPoint(random_.Int(-200, 200), random_.Int(-150, 150)));
        if (on)
            QTest::mouseRelease(on, button, {}, at);
        if (on && how == "space+left")
            QTest::keyRelease(on, Qt::Key_Space);
    }

    void MenuItem()
    {
        const FrmMapMenus& menus = W().Menus();
        std::vector<QAction*> items;
        for (QAction* top : W().menuBar()->actions())
            for (QAction* item : top->menu() ? top->menu()->actions() : QList<QAction*>())
                if (!item->isSeparator() && !item->menu() && !Skipped(item) && item != menus.mnuFileExit)
                    items.push_back(item);
        QAction* item = random_.Chance(0.01) ? menus.mnuFileExit : random_.Pick(items);
        emit menus.mnuFile->aboutToShow();  // which enables "Save database"
        Note("menu item " + item->text().toStdString());
        if (item->isEnabled())
            item->trigger();
    }

    void DropFiles()
    {
        QList<QUrl> urls;
        for (int n = random_.Int(1, 3); n > 0; --n)
            urls << QUrl::fromLocalFile(QString::fromStdString(pools_.ToOpen(random_)));
        QMimeData data;
        data.setUrls(urls);
        Note("drop " + std::to_string(urls.size()) + " files: " + urls.front().toLocalFile().toStdString());
        const QPoint at = window_->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window_, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(window_, &drop);
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
        QTimer deeper;  // plays in the event loops this step opens: a timer does not fire inside its own handler
        QObject::connect(&deeper, &QTimer::timeout, [this, depth] { Tick(depth + 1); });
        deeper.start();
        const int outerDepth = std::exchange(depth_, depth);
        const QPointer<QWidget> outerTarget = target_;
        ending_ ? Close() : Step();
        depth_ = outerDepth;
        target_ = outerTarget;
        CheckTime("during");
    }

    /// The windows in front are closed, the main window last; then the loop ends.
    void Close()
    {
        if ((target_ = QApplication::activePopupWidget()))
            Press(target_, Qt::Key_Escape);
        else if ((target_ = QApplication::activeModalWidget())
                 || (window_ && window_->isVisible() && (target_ = window_)))
            CloseWindow("close (ending)");
        else if (depth_ == 0)
            loop_.quit();
        if (++closingTicks_ > 5000) {
            Fail("the windows would not close");
            loop_.quit();
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

    RandomStream& random_;
    const FilePools& pools_;
    QPointer<QWidget> window_;
    QPointer<QWidget> target_;
    QEventLoop loop_;
    int depth_ = 0;
    bool ending_ = false;
    long closingTicks_ = 0;
    QElapsedTimer clock_;
    qint64 mark_ = 0;
    std::string lastStep_ = "the start";
    std::set<std::string> strays_;
    const bool trace_ = qEnvironmentVariableIsSet("KORVANE_RANDOM_TRACE");
};

/// Faction 3's game imported, and what the dialogs offer: reports, exchange and battle files, junk.
void MakeWorld(const FilePools& pools)
{
    const auto copy = [](const fs::path& from, const fs::path& to) {  // writable, as a player's file is
        std::error_code ignored;
        fs::copy_file(from, to, fs::copy_options::overwrite_existing, ignored);
        fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ignored);
    };
    fs::create_directories(pools.files + "/folder");
    fs::create_directories(pools.program + "/IMPORT");
    {
        Workspace workspace(pools.program);
        testing::ScriptedInteraction quiet;
        quiet.defaultYesNo = true;
        testing::ImportFixtureTurns(workspace, quiet);
        ASSERT_TRUE(SaveMapDatabase(workspace.Map, workspace.Settings, workspace.Settings.DataDir, workspace.Refused));
        EXPECT_TRUE(ExportExchange(workspace.Map, pools.files + "/world.kvd", {.Options = 0xFFFF}, quiet).File);
        ASSERT_TRUE(workspace.SaveOnExit(quiet));
    }
    const std::string fixtures = testing::FixturesDir() + "/";
    for (const char* name :
         {"report-f3-t1.txt", "report-f3-t5.txt", "report-f3-t9.txt", "report-f4-t2.txt", "gm-report-f1-t1.txt",
          "report-with-template-f3-t7.txt", "orders-f3-t3.txt", "template-f3-t2.txt"})
        copy(fixtures + name, pools.program + "/IMPORT/" + name);
    copy(fixtures + "factions-list.txt", pools.files + "/factions-list.txt");
    for (const char* corpus : {"kvd_file", "battle_file"}) {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(fs::path(KORVANE_FUZZ_CORPUS_DIR) / corpus, error))
            copy(entry.path(), pools.files + "/" + entry.path().filename().string());
    }
    std::ofstream(pools.files + "/empty.txt");
    std::string junk;
    for (int byte = 0; byte < 4096; ++byte)
        junk += static_cast<char>(byte * 7 % 256);
    std::ofstream(pools.files + "/junk.bin", std::ios::binary) << junk;
}

// Replay a run with KORVANE_RANDOM_SEED and KORVANE_RANDOM_EVENTS; KORVANE_RANDOM_TRACE prints every step.
TEST(RandomInput, EveryWindowKeepsWorkingUnderRandomInput)
{
    KORVANE_REQUIRE_FIXTURES();
    testing::RandomStream random = testing::RandomStream::FromEnvironment(20261209, 3000);
    fprintf(stderr, "RandomInput: seed %u, %ld events, scratch folder %s (kept on failure)\n", random.Seed(),
            random.Events(), gScratch.c_str());
    const FilePools pools{gScratch};
    MakeWorld(pools);
    if (::testing::Test::HasFatalFailure())
        return;

    RandomInteraction ui(random);
    RandomDriver driver(random, pools);
    while (!random.Done()) {  // leaving the program ends a session; the next one starts from the folder
        Workspace workspace(pools.program);
        TfrmMAP window(workspace, ui);
        ui.strict = true;
        EXPECT_TRUE(window.StartUp()) << random.Where();
        ui.strict = false;
        EXPECT_EQ(ui.strictMessages, std::vector<std::string>()) << "on starting at " << random.Where();
        ui.strictMessages.clear();
        window.show();
        driver.Run(window);
    }
    for (const std::string& failure : driver.failures)
        ADD_FAILURE() << failure;
    std::string reached;
    for (const auto& [window, steps] : driver.actedOn)
        reached += " " + window + " " + std::to_string(steps);
    fprintf(stderr, "RandomInput: %ld events; steps per window:%s\n", random.EventNo(), reached.c_str());

    // The folder the run leaves opens as it would at the next start, without a word.
    Workspace reopened(pools.program);
    testing::ScriptedInteraction check;
    EXPECT_TRUE(reopened.Open(check)) << random.Where();
    EXPECT_TRUE(check.shown.empty()) << "the program folder reopened after " << random.Where() << " saying "
                                     << (check.shown.empty() ? "" : check.shown.front().text);
    EXPECT_TRUE(!driver.actedOn.count("QFileDialog") || fs::exists(gScratch + "/home/.config/QtProject.conf"))
        << "the file dialogs' state went outside the scratch folder";
}

}  // namespace
}  // namespace korvane

// The offscreen platform warns about window hints it cannot honour; that noise hides real output.
static void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    for (const char* noise : {"propagateSizeHints", "does not support raise()", "not accepted by receiving widget",
                              "grabbing the keyboard"})
        if (message.contains(noise))
            return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Home, settings, cache and temporary folders point into the scratch folder before Qt takes its first look.
int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string scratch = (fs::temp_directory_path() / "korvane-random-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) {
        perror("mkdtemp");
        return 1;
    }
    korvane::gScratch = scratch;
    // A file name typed without a folder is taken from the current folder: the scratch one.
    fs::create_directories(scratch + "/cwd");
    fs::current_path(scratch + "/cwd");
    for (const std::string folder : {"HOME=/home", "XDG_CONFIG_HOME=/home/.config", "XDG_DATA_HOME=/home/.local/share",
                                     "XDG_CACHE_HOME=/home/.cache", "XDG_STATE_HOME=/home/.local/state",
                                     "XDG_RUNTIME_DIR=/runtime", "TMPDIR=/tmp"}) {
        const std::string path = scratch + folder.substr(folder.find('=') + 1);
        fs::create_directories(path);
        setenv(folder.substr(0, folder.find('=')).c_str(), path.c_str(), 1);
    }
    fs::permissions(scratch + "/runtime", fs::perms::owner_all, fs::perm_options::replace);
    qInstallMessageHandler(QuietMessages);
    int status = 0;
    {
        QApplication app(argc, argv);
        // Sessions end and start again inside one test; the last window closing ends nothing.
        QApplication::setQuitOnLastWindowClosed(false);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    if (status == 0)
        fs::remove_all(scratch, ignored);
    return status;
}
