# topology: topologies/two_routers.ini
# enable without a password goes straight in; with one it asks; three wrong answers end in user mode
# with "% Bad secrets"; the secret wins over the password and is shown shifted in the configuration.
line enable
line configure terminal
line enable password kolvo1
line end
line disable
line enable
line wrong
line kolvo1
line disable
line enable
line a
line b
line c
line enable
line kolvo1
line configure terminal
line enable secret abc
line end
line disable
line enable
line kolvo1
line abc
line show running-config
key Space
