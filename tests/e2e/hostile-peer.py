#!/usr/bin/python3
"""A hostile calibration server for the end-to-end tests: it listens on PORT and sends what the shell
tells it on stdin, one command a line, answering each on stdout:
  accept             -> "accepted" once a generator has connected (Resolve: it only reads)
  frame HEX          -> "sent": these bytes as they are (a length, a part of a message)
  message XML        -> "sent": one message with its proper length
  closed             -> "closed" when the generator has closed the connection (within 20 s), else "open"
  close              -> "closed": the server closes the connection
  http ANSWER        -> "answered": reads one HTTP request and answers with ANSWER (\\r\\n written as
                        the two characters \\r\\n), then closes"""
import binascii
import socket
import sys

listener = socket.socket()
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind(("127.0.0.1", int(sys.argv[1])))
listener.listen(4)
print("listening", flush=True)
client = None
for line in sys.stdin:
    command, _, rest = line.rstrip("\n").partition(" ")
    if command == "accept":
        client, _ = listener.accept()
        print("accepted", flush=True)
    elif command == "frame":
        client.sendall(binascii.unhexlify(rest))
        print("sent", flush=True)
    elif command == "message":
        data = rest.encode("utf-8")
        client.sendall(len(data).to_bytes(4, "big") + data)
        print("sent", flush=True)
    elif command == "closed":
        client.settimeout(20)
        try:
            gone = client.recv(1) == b""
        except (socket.timeout, ConnectionResetError):
            gone = False
        print("closed" if gone else "open", flush=True)
    elif command == "close":
        client.close()
        print("closed", flush=True)
    elif command == "http":
        client, _ = listener.accept()
        request = b""
        while b"\r\n\r\n" not in request:
            request += client.recv(4096)
        client.sendall(rest.replace("\\r\\n", "\r\n").encode("latin-1"))
        client.close()
        print("answered", flush=True)
