// Keeps one Brixo per user: the first start listens on the local name
// "zelqin"; a later start finds it, asks it to bring its window to the
// front, and ends without opening a window of its own. The environment
// variable BRIXO_NO_GUARD=1 switches the guard off, so tests and a host
// and a joiner can run on one machine.
#pragma once

#include <QObject>
#include <QPointer>

class QLocalServer;
class QWidget;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kName = "zelqin";

    // Tests pass a name of their own so they never meet a real game.
    explicit SingleInstance(QString name = QString::fromLatin1(kName), QObject* parent = nullptr);

    // False when another instance runs (it has been asked to come to the
    // front) and this one should end. True when this is the first one, or
    // the guard is off.
    bool claim();

    // The window to bring to the front when a second start knocks.
    void setWindow(QWidget* window) { m_window = window; }

    static bool disabled();

private:
    void raiseWindow();

    QString m_name;
    QLocalServer* m_server = nullptr;
    QPointer<QWidget> m_window;
};
