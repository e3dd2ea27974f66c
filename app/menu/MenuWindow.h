#pragma once

#include "app/board/MenuScreen.h"
#include "app/GameServices.h"
#include "app/look/BoardLayouts.h"
#include "app/look/WindowLayouts.h"
#include "resume/KeptGame.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

class QLabel;
class QMessageBox;
class QPushButton;
class QRadioButton;

namespace pintu {

class BoardWindow;
class ClickableLabel;
class DirectoryList;
class DriveList;
class FileList;

// The main menu of one layout set: a title screen, then the picture and
// difficulty controls that open that set's boards.
class MenuWindow final : public QWidget, public MenuScreen {
    Q_OBJECT
public:
    MenuWindow(LayoutSet set, const GameServices& services);
    ~MenuWindow() override;

    void show() override;
    void hide() override;
    void setHallOfFameButtonVisible(bool visible) override;

    // The folder shown by the file list and the file selected in it ("" when
    // none), as the system's bytes.
    std::string pictureFolder() const;
    std::string pictureFileName() const;

    // Makes the picture at `path` the chosen one, its folder shown in the
    // lists, as if the player had picked it there; a file that is no readable
    // picture is refused with a message and changes nothing. The path is the
    // system's bytes, whatever they are (main's argv, localFile() of a URL);
    // a relative one is taken from the current folder.
    void choosePicture(const std::string& path);
    // Opens the board of this set that plays on from `kept`, the menu left
    // as if the player had opened it here, and tells `resumed` true; or tells
    // it false, with no board, when the picture cannot be read.
    void resumeBoard(const KeptGame& kept, std::function<void(bool)> resumed);
    // The same at once when the menu shows, else as soon as it shows again:
    // a board open meanwhile keeps the picture it plays. Such pictures come
    // from other programs, perhaps by the thousand, so the box that refuses
    // one waits for nobody, and a newer picture takes its place.
    void choosePictureWhenShown(const std::string& path);

    LayoutSet layoutSet() const { return menu.set; }
    // The board this menu opened last, while it is open.
    BoardWindow* openBoard() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // Makes the picture at `path` the chosen one once it proves readable,
    // then tells `taken` whether it did; one that cannot be read changes nothing.
    void takePicture(const std::string& path, std::function<void(bool taken)> taken);
    // Shows `file` chosen in the lists; false when its folder cannot be listed.
    bool selectPicture(const std::filesystem::path& file);
    void takeHandedPicture(const std::string& path);
    void reveal();
    void driveChanged();
    void folderChanged();
    void startBoard();
    void exit();
    void showHallOfFame();

    const MenuLayout& menu;
    GameServices services;

    ClickableLabel* pinTitle;
    ClickableLabel* tuTitle;
    QLabel* pictureCaption;
    DriveList* drives;
    DirectoryList* folders;
    FileList* pictures;
    QLabel* difficultyCaption;
    std::array<QRadioButton*, 4> difficulties;
    QPushButton* okButton;
    QPushButton* exitButton;
    QPushButton* hallOfFameButton;
    QPointer<BoardWindow> board;
    std::optional<std::string> pictureOnShow;
    QPointer<QMessageBox> handedPictureRefused;
};

} // namespace pintu
