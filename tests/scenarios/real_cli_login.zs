behaviour real-router
# topology: topologies/two_routers.ini
# Logging in on the console as worksheets have students check it: with a banner and `login` and a
# password on line con 0, exit ends the session; RETURN shows the banner and asks the line's
# password, again after a wrong one. exit in privileged mode ends the session too; three wrong
# passwords end the login attempt. Without `login`, RETURN leads straight to the prompt;
# after exit, keys other than RETURN do nothing.
start configure
line hostname R1
line banner motd # Authorized students only #
line line con 0
line password kolvo
line login
line end
line exit
line
line wrong
line kolvo
line enable
line exit
line
line bad1
line bad2
line bad3
line
line kolvo
line enable
line configure terminal
line line con 0
line no login
line end
line logout
line
line show users
line exit
key x
line
