#pragma once

#include <optional>
#include <vector>

namespace pintu {

// The way a tile slides into the blank: Left takes the tile on the blank's right.
enum class Direction { Left, Right, Up, Down };

// The tile in cell `from` slides into the blank at cell `to`.
struct Move {
    int from;
    int to;

    friend bool operator==(const Move&, const Move&) = default;
};

// Which tile lies in which cell of a square board, cells numbered row by row
// from the top-left. Tile t belongs in cell t; the last tile is the blank.
class Arrangement {
public:
    // Every tile in its own cell.
    static Arrangement solved(int side);
    // Nothing unless `tiles` holds every tile of a side x side board once.
    static std::optional<Arrangement> fromTiles(int side, std::vector<int> tiles);

    int side() const { return sideLength; }
    int cells() const { return static_cast<int>(tileOfCell.size()); }
    int blankTile() const { return cells() - 1; }
    int blankCell() const { return blank; }
    int tileAt(int cell) const { return tileOfCell[cell]; }
    const std::vector<int>& tiles() const { return tileOfCell; }

    // The move a click on `cell` makes: none unless the cell lies beside the
    // blank in its own row or column. A row's end never wraps to the next row.
    std::optional<Move> moveFor(int cell) const;
    // The tile beside the blank that slides in `direction`, if there is one.
    std::optional<Move> moveFor(Direction direction) const;
    // `move` must be one this arrangement offered.
    void apply(Move move);

    bool isSolved() const;
    // Whether slides can bring every tile home: not so when two tiles have
    // changed places behind the board's back.
    bool isSolvable() const;

    friend bool operator==(const Arrangement&, const Arrangement&) = default;

private:
    Arrangement(int side, std::vector<int> tiles, int blank);

    int sideLength;
    std::vector<int> tileOfCell;
    int blank;
};

} // namespace pintu
