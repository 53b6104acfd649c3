// Keeps the library non-empty while its first sources arrive.
