#include "app/menu/MenuWindow.h"

#include "app/board/BoardWindow.h"
#include "app/dialogs/HallOfFameWindow.h"
#include "app/dialogs/HelpWindow.h"
#include "app/dialogs/MessageBoxes.h"
#include "app/look/ClickableLabel.h"
#include "app/look/Colours.h"
#include "app/look/Fonts.h"
#include "app/look/OptionColours.h"
#include "app/menu/DirectoryList.h"
#include "app/menu/DriveList.h"
#include "app/menu/FileList.h"
#include "app/menu/MenuCommands.h"
#include "app/menu/PictureDrop.h"
#include "app/text/Messages.h"
#include "board/PicturePath.h"
#include "platform/qt/NativeFiles.h"
#include "platform/qt/PathText.h"
#include "platform/qt/pictures/PictureShelf.h"

#include <QCloseEvent>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <utility>

namespace pintu {

namespace {

constexpr std::array<const char*, 4> difficultyCaptions{
    QT_TRANSLATE_NOOP("pintu::MenuWindow", "简单"), QT_TRANSLATE_NOOP("pintu::MenuWindow", "普通"),
    QT_TRANSLATE_NOOP("pintu::MenuWindow", "较难"), QT_TRANSLATE_NOOP("pintu::MenuWindow", "天才")};

template <typename Widget>
Widget* place(Widget* widget, const char* name, const TwipRect& rect, const QFont& font)
{
    widget->setObjectName(name);
    widget->setFont(font);
    widget->setGeometry(pixels(rect));
    return widget;
}

// A label that sizes itself to its caption from the corner the layout gives it.
ClickableLabel* addLabel(QWidget* parent, const char* name, const QString& caption, const TwipRect& rect,
                         const QFont& font, unsigned colour = systemColour)
{
    auto* label = place(new ClickableLabel(caption, parent), name, rect, font);
    if (colour != systemColour)
        setTextColour(label, fromBgr(colour));
    label->adjustSize();
    return label;
}

} // namespace

MenuWindow::MenuWindow(LayoutSet set, const GameServices& services) : menu(menuLayout(set)), services(services)
{
    setWindowTitle(tr("开始"));
    buildControls();
    if (menu.placement)
        setGeometry(pixels(*menu.placement));
    setFixedSize(pixels(menu.client));

    // The folder pintu was started in, or the nearest one that can be read.
    for (const std::string& start : {absolutePath("."), nativePath(QDir::homePath()), nativePath(QDir::rootPath())}) {
        if (folders->setPath(start))
            break;
    }
    pictures->setPath(folders->path());
    drives->setDriveOf(folders->path());
    connect(drives, &DriveList::driveChanged, this, &MenuWindow::driveChanged);
    connect(folders, &DirectoryList::pathChanged, this, &MenuWindow::folderChanged);
    connect(pinTitle, &ClickableLabel::clicked, this, &MenuWindow::reveal);
    connect(tuTitle, &ClickableLabel::clicked, this, &MenuWindow::reveal);
    connect(okButton, &QPushButton::clicked, this, &MenuWindow::startBoard);
    connect(exitButton, &QPushButton::clicked, this, &MenuWindow::exit);
    connect(hallOfFameButton, &QPushButton::clicked, this, &MenuWindow::showHallOfFame);
    new PictureDrop(this, [this](const std::string& path) { choosePicture(path); });
    new MenuCommands(this, services.dataFiles, services.records);
}

void MenuWindow::buildControls()
{
    using Names = MenuControlNames;
    const QFont title = designedKaiFont(72);
    const QFont song9 = songFont(9);
    const QFont song1425 = songFont(14.25);
    const QFont song1575 = songFont(15.75);

    pinTitle = addLabel(this, Names::pinTitle, tr("拼"), menu.pinTitle, title, red);
    tuTitle = addLabel(this, Names::tuTitle, tr("图"), menu.tuTitle, title, 0x00FF00FF);
    pictureCaption = addLabel(this, Names::pictureCaption, tr("选择图片："), menu.pictureCaption, song1425);
    drives = place(new DriveList(this), Names::drives, menu.drives, song9);
    folders = place(new DirectoryList(this), Names::folders, menu.folders, song9);
    pictures = place(new FileList(this), Names::pictures, menu.pictures, song9);
    // The lists have no captions of their own; a screen reader says what each holds.
    drives->setAccessibleName(tr("驱动器"));
    folders->setAccessibleName(tr("文件夹"));
    pictures->setAccessibleName(tr("图片"));
    difficultyCaption = addLabel(this, Names::difficultyCaption, tr("难度选择："), menu.difficultyCaption, song1575);
    for (int i = 0; i < 4; ++i) {
        difficulties[i] = place(new QRadioButton(tr(difficultyCaptions[i]), this),
                                qPrintable(QString(Names::difficulty).arg(i)), menu.difficulties[i], song1425);
    }
    difficulties[0]->setChecked(true);
    markSelection(difficulties);
    okButton = place(new QPushButton(tr("确定"), this), Names::ok, menu.ok, song9);
    exitButton = place(new QPushButton(tr("退出"), this), Names::exit, menu.exit, song9);
    hallOfFameButton = place(new QPushButton(tr("光荣榜"), this), Names::hallOfFame, menu.hallOfFame, songFont(12));
    addLabel(this, Names::edition, tr("1.0 版  2026年12月"), menu.edition, kaiFont(12));
    addLabel(this, Names::credit, tr("程序设计：Tavro"), menu.credit, song1575, red);
    addLabel(this, Names::thanks, tr("谢谢你来玩拼图！"), menu.thanks, song1425, 0x00000080);

    // The title screen shows none of the menu's controls; the reveal brings them.
    for (QWidget* hidden : std::initializer_list<QWidget*>{pictureCaption, drives, folders, pictures, okButton,
                                                            exitButton, difficultyCaption, hallOfFameButton})
        hidden->hide();
    for (QRadioButton* difficulty : difficulties)
        difficulty->hide();

    QWidget* previous = drives;
    for (QWidget* next : std::initializer_list<QWidget*>{folders, pictures, difficulties[0], difficulties[1],
                                                          difficulties[2], difficulties[3], okButton, exitButton,
                                                          hallOfFameButton}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

std::string MenuWindow::pictureFolder() const
{
    return pictures->path();
}

std::string MenuWindow::pictureFileName() const
{
    return pictures->fileName();
}

MenuWindow::~MenuWindow()
{
    delete board.data(); // a board still open refers to this menu
}

BoardWindow* MenuWindow::openBoard() const
{
    return board;
}

void MenuWindow::show()
{
    QWidget::show();
    raise();
    activateWindow();
    // Chosen once the caller is done, since a picture that cannot be read says so in a box.
    if (pictureOnShow)
        QMetaObject::invokeMethod(this, [this, path = *std::exchange(pictureOnShow, std::nullopt)] {
            takeHandedPicture(path);
        }, Qt::QueuedConnection);
}

void MenuWindow::hide()
{
    QWidget::hide();
}

void MenuWindow::setHallOfFameButtonVisible(bool visible)
{
    hallOfFameButton->setVisible(visible);
}

void MenuWindow::mousePressEvent(QMouseEvent*)
{
    reveal();
}

void MenuWindow::closeEvent(QCloseEvent* event)
{
    // The close box leaves the game as "退出" does.
    event->accept();
    exit();
}

void MenuWindow::reveal()
{
    pinTitle->hide();
    tuTitle->hide();
    for (QWidget* control : std::initializer_list<QWidget*>{pictureCaption, folders, drives, pictures, okButton,
                                                             exitButton, difficultyCaption})
        control->show();
    for (QRadioButton* difficulty : difficulties)
        difficulty->show();
    if (services.files.exists(services.dataFiles.hallOfFame))
        hallOfFameButton->show();
}

void MenuWindow::driveChanged()
{
    if (drives->showsDriveOf(folders->path()))
        return; // the volume the folders are on already: no change
    if (folders->setPath(nativePath(drives->drive())))
        folderChanged();
    else
        drives->setDriveOf(folders->path()); // a volume that cannot be read: back where we were, quietly
}

void MenuWindow::folderChanged()
{
    pictures->setPath(folders->path());
    drives->setDriveOf(folders->path()); // a folder list can wander onto another volume
}

void MenuWindow::choosePicture(const std::string& path)
{
    takePicture(path, [this](bool taken) {
        if (!taken)
            showMessage(this, messages::text(messages::pictureUnreadable));
    });
}

void MenuWindow::takePicture(const std::string& path, std::function<void(bool taken)> taken)
{
    // A relative name is taken from the folder pintu was started in.
    const std::filesystem::path file(absolutePath(path));
    services.pictures.probe(file.native(), this, [this, file, taken = std::move(taken)](bool readable) {
        taken(readable && selectPicture(file));
    });
}

bool MenuWindow::selectPicture(const std::filesystem::path& file)
{
    if (!folders->setPath(file.parent_path().native()))
        return false;
    reveal();
    folderChanged();
    pictures->choose(file.filename().native());
    return true;
}

void MenuWindow::choosePictureWhenShown(const std::string& path)
{
    if (isVisible())
        takeHandedPicture(path);
    else
        pictureOnShow = path;
}

void MenuWindow::takeHandedPicture(const std::string& path)
{
    takePicture(path, [this](bool taken) {
        if (taken)
            delete handedPictureRefused.data();
        else if (!handedPictureRefused)
            handedPictureRefused = openMessage(this, messages::text(messages::pictureUnreadable));
    });
}

void MenuWindow::startBoard()
{
    if (pictureFileName().empty()) {
        showMessage(this, messages::text(messages::noFileChosen));
        return;
    }
    // A board still reading its picture for an earlier click gives way to this one.
    delete board.data();
    for (int difficulty = 0; difficulty < 4; ++difficulty) {
        if (difficulties[difficulty]->isChecked()) {
            // The menu stays hidden while its board is open, so the picture it names cannot change.
            board = new BoardWindow(boardLayout(menu.set, difficulty), *this, services,
                                    picturePath(pictureFolder(), pictureFileName()));
            board->open();
        }
    }
}

void MenuWindow::resumeBoard(const KeptGame& kept, std::function<void(bool)> resumed)
{
    for (int difficulty = 0; difficulty < 4; ++difficulty) {
        const BoardLayout& layout = boardLayout(menu.set, difficulty);
        if (layout.size != kept.size)
            continue;
        board = new BoardWindow(layout, *this, services, kept.picturePath);
        board->resume(kept.game, [this, difficulty, kept, resumed](bool shown) {
            if (shown) {
                selectPicture(absolutePath(kept.picturePath));
                difficulties[difficulty]->setChecked(true);
            } else {
                delete board.data();
            }
            resumed(shown);
        });
        return;
    }
    resumed(false);
}

void MenuWindow::exit()
{
    if (services.files.exists(services.dataFiles.moveLog))
        services.files.remove(services.dataFiles.moveLog);
    services.endProgram();
}

void MenuWindow::showHallOfFame()
{
    HallOfFameWindow viewer(services.files, services.dataFiles.hallOfFame, this);
    const HelpOffer help(&viewer, services.dataFiles);
    viewer.exec();
}

} // namespace pintu
