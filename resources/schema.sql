-- The program's database: scripts and timed tasks. Columns are read by
-- position, so their order is part of the file format.
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
