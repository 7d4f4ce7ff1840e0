"""A speech server for Orca that says nothing aloud: Orca still logs every
'SPEECH OUTPUT' line, without speech-dispatcher, which waits for ever on a
machine without a sound device."""
from orca import speechserver


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "null speech"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["null speech", "default"]

    def getVoiceFamilies(self):
        return []

    def __getattr__(self, name):
        return lambda *args, **kwargs: None
