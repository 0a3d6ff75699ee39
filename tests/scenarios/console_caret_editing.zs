# topology: topologies/two_routers.ini
# Ctrl+A then Backspace deletes nothing; characters are always added at the end of the line,
# while Backspace deletes the character before the caret.
line
type abc
key Ctrl+A Backspace
key Ctrl+E Backspace
key Enter
type show
key Ctrl+B Ctrl+B
type X
key Backspace
key Ctrl+F Ctrl+F Ctrl+F Backspace
key Enter
type enable
key Left Left Left Left Left Left Left Left Left Right
key Backspace
key Ctrl+E
