# topology: topologies/two_routers.ini
# Keys without an editing meaning (Esc, Ctrl+C, Ctrl+D ...) are typed into the line like any other
# character, so the line no longer matches a command. Left brings a caret offset left over from a
# longer line back within the new line: Right and Backspace then delete its first character.
line
type show clock
key Ctrl+C Enter
type show
key Esc Ctrl+D Enter
type show clock
key Ctrl+A Enter
type ab
key Left Right Backspace
