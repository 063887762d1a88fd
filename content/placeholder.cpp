// Replaced as this library's sources arrive.
