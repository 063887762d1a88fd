// Builders of the game's standard dialogs.
