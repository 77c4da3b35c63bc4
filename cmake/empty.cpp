// Keeps the logic library buildable while a subsystem folder is still empty.
