// The about box: the game's picture and the player's statistics, this run and over all runs.
#pragma once

#include "ui/helpbox.h"

class QLabel;
class QTabWidget;

class AboutBox : public MainWindowBox
{
    Q_OBJECT
  public:
    // The labels hold this run's games won, games lost and tiles passed, as plain numbers; they
    // are read once here, so the figures are those of the moment the box opened.
    AboutBox(QWidget *mainWindow, const QLabel *labelwon, const QLabel *labellost,
             const QLabel *labelbp);

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    QTabWidget *m_tabs = nullptr;
    QWidget *m_aboutPage = nullptr;
    QWidget *m_statsPage = nullptr;
    bool m_statsPlaced = false;
};
