// The tally of game results: a grid of text cells, 9 columns wide, every
// count kept as decimal text, as the tally file stores it.
//
// Row 0 is the owner's: column 1 games played, 2 games won, 3 and 4 spare
// counts play never changes, the rest "0". Rows 1..n are the followed
// players, in the order they are listed: column 0 the name, then games
// played with them, games they won, games the owner won, games neither
// won; columns 5 to 8 the same four for this session (one run of the
// program).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixo {

class Tally {
public:
    static constexpr int kColumns = 9;
    // A followed player's columns; the session's are kSession further on.
    static constexpr int kGames = 1;
    static constexpr int kHisWins = 2;
    static constexpr int kMyWins = 3;
    static constexpr int kNeitherWon = 4;
    static constexpr int kSession = 4;
    // The result addgame takes when the owner won.
    static inline const std::string kOwnerWon = "addtomine";

    // Row 0 alone, all "0".
    Tally();

    int rowCount() const { return int(m_rows.size()); }
    // The cell's text; empty outside the grid.
    const std::string& cell(int col, int row) const;
    // The cell as a count: 0 when empty or not a number.
    long long count(int col, int row) const;

    // The followed players' names, rows 1..n in order.
    std::vector<std::string> followed() const;
    // The first row that follows this name, or 0.
    int rowOf(std::string_view name) const;

    // Follows a player: a new last row, the name and "0" counts. False when
    // the name is followed already, is empty, or holds a line break (it
    // could not be stored).
    bool follow(const std::string& name);
    // Drops a followed player's row; the rows below move up.
    void moverow(int row);
    // Every count back to "0" and nobody followed.
    void reset();
    // Adds 1 to the count in a cell and returns the new count.
    long long addit(int col, int row);
    // Records one finished game: result is the winner's name, or kOwnerWon;
    // atTable the other players' names as the table shows them. Followed
    // players at the table count the game; others are not touched.
    void addgame(std::string_view result, const std::vector<std::string>& atTable);
    // A new session: columns 5 to 8 of every followed player to "0".
    void zeroSession();

    // The stored text: the column count, the row count, then every cell
    // column by column, each line ended by CR LF.
    std::string savegrid() const;
    // The grid from that text; nothing when it does not hold a 9-column
    // grid with exactly its cells.
    static std::optional<Tally> loadgrid(std::string_view text);

private:
    void setCell(int col, int row, std::string text);

    std::vector<std::array<std::string, kColumns>> m_rows;
};

} // namespace brixo
