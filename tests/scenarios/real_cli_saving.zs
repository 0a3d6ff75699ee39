# topology: topologies/two_routers.ini
# Real-router saving says so: copy running-config startup-config asks for the destination (Enter
# takes the default) and then builds the configuration; write memory and write print the same.
# Banners take their delimiter on the same line, or run over several lines; no banner motd
# removes the banner. show startup-config says how many bytes were saved and shows them as saved:
# "version" and "end" in lower case, the banner between its ^C marks. erase startup-config asks
# to confirm: n keeps the configuration, RETURN or y erases it.
behaviour real-router
line enable
line copy running-config startup-config
key Enter
line configure terminal
line hostname R1
line banner motd # Authorized students only #
line do write memory
line banner motd $
line Lab network.
line No food or drink$
line end
line wr
line copy run start
line startup-config
line configure terminal
line no banner motd
line end
line show startup-config
key Space
# Erasing the saved configuration asks first: n keeps it, RETURN erases it.
line erase startup-config
key n
line erase startup-config
line
line show startup-config
line copy run start
line
line erase startup-config
key y
line show startup-config
