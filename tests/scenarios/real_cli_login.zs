behaviour real-router
# topology: topologies/two_routers.ini
# Console login as worksheets check it, with a banner, `login` and a password on line con 0: exit or
# logout, in privileged or user mode, ends the session; RETURN shows the banner and asks the
# password, again after a wrong one, and three wrong ones end the attempt. Without `login` RETURN
# leads straight to the prompt. After exit, keys other than RETURN do nothing and no prompt shows.
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
start configure
line line con 0
line no login
line end
line logout
line
line show users
line exit
key x
line
line exit
