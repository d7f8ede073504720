.class public Lcom/pelorin/player/NoisyReceiver;
.super Landroid/content/BroadcastReceiver;
.source "NoisyReceiver.smali"

# Headphones unplugged or Bluetooth audio gone: the music pauses instead of
# coming out of the speaker. Registered by the service only while it plays.


.field private final service:Lcom/pelorin/player/PlaybackService;


.method public constructor <init>(Lcom/pelorin/player/PlaybackService;)V
    .registers 2

    invoke-direct {p0}, Landroid/content/BroadcastReceiver;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/NoisyReceiver;->service:Lcom/pelorin/player/PlaybackService;

    return-void
.end method


.method public onReceive(Landroid/content/Context;Landroid/content/Intent;)V
    .registers 6

    const-string v0, "android.media.AUDIO_BECOMING_NOISY"
    invoke-virtual {p2}, Landroid/content/Intent;->getAction()Ljava/lang/String;
    move-result-object v1
    invoke-virtual {v0, v1}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v0
    if-eqz v0, :other

    iget-object v0, p0, Lcom/pelorin/player/NoisyReceiver;->service:Lcom/pelorin/player/PlaybackService;
    const/4 v1, 0x2
    const/4 v2, 0x0
    const/4 v3, 0x0
    invoke-virtual {v0, v1, v2, v3}, Lcom/pelorin/player/PlaybackService;->perform(IILjava/lang/String;)V

    :other
    return-void
.end method
