# topology: topologies/two_routers.ini
# Ctrl+Z changes nothing in user or privileged mode; in any configuration mode it echoes the line
# with ^Z, prints the configured-from-console message and returns to privileged mode.
key Ctrl+Z
line enable
type abc
key Ctrl+Z
key Backspace Backspace Backspace
line configure terminal
type interface s0
key Ctrl+Z
line configure terminal
line line console 0
key Ctrl+Z
