# topology: topologies/two_routers.ini
# copy running-config startup-config asks for the destination (Enter takes the default), then, as
# write memory and write do, says it builds the configuration. A banner ends at its delimiter, on
# its line or a later one. show startup-config gives the bytes and text saved (a banner since
# removed too), "version" and "end" in lower case, the banner between ^C marks. erase startup-config
# asks first: n keeps it, RETURN or y erases it.
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
