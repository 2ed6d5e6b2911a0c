// Keeps the user-interface library non-empty while it has no files of its own.
