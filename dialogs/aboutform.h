// The about box: the game's name, its version, and a link to its web page.
#pragma once

#include <QDialog>

class QLabel;

class Tabout : public QDialog {
    Q_OBJECT
public:
    // The version a login sends, and the build shown after it.
    static const QString kBuild;
    static QString webPage();

    explicit Tabout(QWidget* parent = nullptr);

    QLabel* version;
    QLabel* label_link;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_picture;
};
