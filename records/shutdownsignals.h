// Turns the system's requests to end the program (SIGTERM, SIGHUP, SIGINT) into a Qt signal.
#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

// While one of these lives, the three signals no longer end the program at once: they arrive as
// requested() on the thread that made it, where saving the records is safe. Only one may live
// at a time; its destructor puts the previous handlers back.
class ShutdownSignals : public QObject
{
    Q_OBJECT
  public:
    explicit ShutdownSignals(QObject *parent = nullptr);
    ~ShutdownSignals() override;

  signals:
    void requested();

  private:
    void drain();

    std::array<int, 2> m_pipe{-1, -1}; // [0] read by the notifier, [1] written by the handler
    QSocketNotifier *m_notifier = nullptr;
    std::array<struct sigaction, 3> m_previous{};
    bool m_installed = false;
};
