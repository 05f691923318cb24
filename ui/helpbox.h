// The "How to play" box, and the window behaviour it shares with the about box.
#pragma once

#include <QDialog>
#include <QPointer>

class QCloseEvent;

// A small fixed-size box that stands in front of the main window and keeps it disabled while
// open, without being a Qt child of it (a disabled parent would disable the box too).
// It deletes itself when closed, and when the main window goes away.
class MainWindowBox : public QDialog
{
    Q_OBJECT
  public:
    MainWindowBox(QWidget *mainWindow, const QString &title, QSize clientSize);
    ~MainWindowBox() override;

    // Escape and accept()/reject() end here; they close the box like its close box does.
    void done(int result) override;

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void releaseMainWindow();

    QPointer<QWidget> m_mainWindow;
};

class HelpBox : public MainWindowBox
{
    Q_OBJECT
  public:
    explicit HelpBox(QWidget *mainWindow);
};
