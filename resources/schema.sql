-- The program's database: scripts and timed tasks. Columns are read by
-- name; at start the program checks that every table and column below is
-- there.
CREATE TABLE mplist (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    mpname TEXT,
    hotkey TEXT,
    mpoint TEXT,
    clicknum TEXT
);
CREATE TABLE tplist (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    tpname TEXT,
    mpoint TEXT,
    nums TEXT
);
