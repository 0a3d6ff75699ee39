# topology: topologies/two_routers.ini
# A banner is collected line by line up to the delimiter's first character; text after the
# delimiter on its line is dropped; Backspace edits the banner being typed.
line enable
line configure terminal
line banner motd #!
line Welcome to the lab
type Authorised studentz
key Backspace
line s only
line Have fun# ignored
line exit
line show running-config
key Space
