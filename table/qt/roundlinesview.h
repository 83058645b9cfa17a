// The rows of the Round Over panel: for each seat that played the round,
// its name and the points the round gave or cost it, and beside them the
// tiles it was left holding, drawn small as on the board and narrowed when
// many must fit. Names come from the network and are drawn as plain text.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class TilePictures;

class RoundLinesView : public QWidget {
    Q_OBJECT
public:
    // At 100 %: each row's height, the column of names and points, and the
    // tiles' size at most.
    static constexpr int kRowHeight = 36;
    static constexpr int kTextWidth = 112;
    static constexpr int kTileWidth = 20;
    static constexpr int kTileHeight = 30;

    struct Row {
        QString name;
        QString points;      // "+22 points", "-15 points"
        QString line;        // the whole line as the log has it
        std::vector<int> tiles;
        int tilesLeft = 0;   // shown in words when the tiles were not shown
        bool operator==(const Row&) const = default;
    };

    RoundLinesView(const TilePictures& pictures, QWidget* parent);

    void setRows(std::vector<Row> rows, double factor);
    const std::vector<Row>& rows() const { return m_rows; }
    // Every row's whole line, one a line.
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TilePictures& m_pictures;
    std::vector<Row> m_rows;
    double m_factor = 1.0;
};
