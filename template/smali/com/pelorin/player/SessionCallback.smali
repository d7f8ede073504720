.class public Lcom/pelorin/player/SessionCallback;
.super Landroid/media/session/MediaSession$Callback;
.source "SessionCallback.smali"

# The media session's commands (lock screen, notification shade, headset and
# Bluetooth buttons, car displays), passed to the playback service. A
# headset's single button arrives as play or pause, decided by the session
# from the playback state. Main thread.


.field private final service:Lcom/pelorin/player/PlaybackService;


.method public constructor <init>(Lcom/pelorin/player/PlaybackService;)V
    .registers 2

    invoke-direct {p0}, Landroid/media/session/MediaSession$Callback;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/SessionCallback;->service:Lcom/pelorin/player/PlaybackService;

    return-void
.end method


.method private send(II)V
    .registers 5

    iget-object v0, p0, Lcom/pelorin/player/SessionCallback;->service:Lcom/pelorin/player/PlaybackService;
    const/4 v1, 0x0
    invoke-virtual {v0, p1, p2, v1}, Lcom/pelorin/player/PlaybackService;->perform(IILjava/lang/String;)V

    return-void
.end method


.method public onPlay()V
    .registers 3

    const/4 v0, 0x3
    const/4 v1, 0x0
    invoke-direct {p0, v0, v1}, Lcom/pelorin/player/SessionCallback;->send(II)V

    return-void
.end method


.method public onPause()V
    .registers 3

    const/4 v0, 0x2
    const/4 v1, 0x0
    invoke-direct {p0, v0, v1}, Lcom/pelorin/player/SessionCallback;->send(II)V

    return-void
.end method


.method public onSkipToNext()V
    .registers 3

    const/4 v0, 0x5
    const/4 v1, 0x0
    invoke-direct {p0, v0, v1}, Lcom/pelorin/player/SessionCallback;->send(II)V

    return-void
.end method


.method public onSkipToPrevious()V
    .registers 3

    const/4 v0, 0x6
    const/4 v1, 0x0
    invoke-direct {p0, v0, v1}, Lcom/pelorin/player/SessionCallback;->send(II)V

    return-void
.end method


.method public onSeekTo(J)V
    .registers 5

    const/4 v0, 0x4
    long-to-int v1, p1
    invoke-direct {p0, v0, v1}, Lcom/pelorin/player/SessionCallback;->send(II)V

    return-void
.end method


.method public onStop()V
    .registers 3

    const/16 v0, 0x9
    const/4 v1, 0x0
    invoke-direct {p0, v0, v1}, Lcom/pelorin/player/SessionCallback;->send(II)V

    return-void
.end method
