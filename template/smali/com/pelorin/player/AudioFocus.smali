.class public Lcom/pelorin/player/AudioFocus;
.super Ljava/lang/Object;
.source "AudioFocus.smali"

# Audio focus for the playback service: requested before playing
# (AudioFocusRequest on API 26+, the stream form below), given up on pause.
# A loss pauses; a transient loss pauses and the music resumes when focus
# comes back; a loss that allows ducking lowers the volume until it does.
# Main thread only.

.implements Landroid/media/AudioManager$OnAudioFocusChangeListener;


.field private final service:Lcom/pelorin/player/PlaybackService;

.field private final manager:Landroid/media/AudioManager;

.field private final attributes:Landroid/media/AudioAttributes;

# the AudioFocusRequest of API 26+, made once (a type unknown below 26)
.field private request:Ljava/lang/Object;

.field private resumeOnGain:Z

.field private ducked:Z


.method public constructor <init>(Lcom/pelorin/player/PlaybackService;Landroid/media/AudioAttributes;)V
    .registers 4

    invoke-direct {p0}, Ljava/lang/Object;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/AudioFocus;->service:Lcom/pelorin/player/PlaybackService;
    iput-object p2, p0, Lcom/pelorin/player/AudioFocus;->attributes:Landroid/media/AudioAttributes;
    const-string v0, "audio"
    invoke-virtual {p1, v0}, Landroid/content/Context;->getSystemService(Ljava/lang/String;)Ljava/lang/Object;
    move-result-object v0
    check-cast v0, Landroid/media/AudioManager;
    iput-object v0, p0, Lcom/pelorin/player/AudioFocus;->manager:Landroid/media/AudioManager;

    return-void
.end method


# True when the music may play (1: AUDIOFOCUS_GAIN, AUDIOFOCUS_REQUEST_GRANTED).
.method public request()Z
    .registers 6

    iget-object v0, p0, Lcom/pelorin/player/AudioFocus;->manager:Landroid/media/AudioManager;
    const/4 v1, 0x1
    sget v2, Landroid/os/Build$VERSION;->SDK_INT:I
    const/16 v3, 0x1a
    if-ge v2, v3, :with_request

    # 3: STREAM_MUSIC
    const/4 v2, 0x3
    invoke-virtual {v0, p0, v2, v1}, Landroid/media/AudioManager;->requestAudioFocus(Landroid/media/AudioManager$OnAudioFocusChangeListener;II)I
    move-result v2
    goto :answered

    :with_request
    iget-object v2, p0, Lcom/pelorin/player/AudioFocus;->request:Ljava/lang/Object;
    if-nez v2, :made
    new-instance v2, Landroid/media/AudioFocusRequest$Builder;
    invoke-direct {v2, v1}, Landroid/media/AudioFocusRequest$Builder;-><init>(I)V
    iget-object v3, p0, Lcom/pelorin/player/AudioFocus;->attributes:Landroid/media/AudioAttributes;
    invoke-virtual {v2, v3}, Landroid/media/AudioFocusRequest$Builder;->setAudioAttributes(Landroid/media/AudioAttributes;)Landroid/media/AudioFocusRequest$Builder;
    invoke-virtual {v2, p0}, Landroid/media/AudioFocusRequest$Builder;->setOnAudioFocusChangeListener(Landroid/media/AudioManager$OnAudioFocusChangeListener;)Landroid/media/AudioFocusRequest$Builder;
    invoke-virtual {v2}, Landroid/media/AudioFocusRequest$Builder;->build()Landroid/media/AudioFocusRequest;
    move-result-object v2
    iput-object v2, p0, Lcom/pelorin/player/AudioFocus;->request:Ljava/lang/Object;
    :made
    check-cast v2, Landroid/media/AudioFocusRequest;
    invoke-virtual {v0, v2}, Landroid/media/AudioManager;->requestAudioFocus(Landroid/media/AudioFocusRequest;)I
    move-result v2

    :answered
    if-eq v2, v1, :granted
    const/4 v1, 0x0
    :granted
    return v1
.end method


.method public abandon()V
    .registers 4

    const/4 v0, 0x0
    iput-boolean v0, p0, Lcom/pelorin/player/AudioFocus;->resumeOnGain:Z
    iget-object v0, p0, Lcom/pelorin/player/AudioFocus;->manager:Landroid/media/AudioManager;
    sget v1, Landroid/os/Build$VERSION;->SDK_INT:I
    const/16 v2, 0x1a
    if-ge v1, v2, :with_request
    invoke-virtual {v0, p0}, Landroid/media/AudioManager;->abandonAudioFocus(Landroid/media/AudioManager$OnAudioFocusChangeListener;)I
    return-void

    :with_request
    iget-object v1, p0, Lcom/pelorin/player/AudioFocus;->request:Ljava/lang/Object;
    if-eqz v1, :never_requested
    check-cast v1, Landroid/media/AudioFocusRequest;
    invoke-virtual {v0, v1}, Landroid/media/AudioManager;->abandonAudioFocusRequest(Landroid/media/AudioFocusRequest;)I
    :never_requested
    return-void
.end method


# 1: AUDIOFOCUS_GAIN, -1: LOSS, -2: LOSS_TRANSIENT, -3: LOSS_TRANSIENT_CAN_DUCK
.method public onAudioFocusChange(I)V
    .registers 6

    iget-object v0, p0, Lcom/pelorin/player/AudioFocus;->service:Lcom/pelorin/player/PlaybackService;
    const/4 v1, 0x0
    const/4 v2, 0x0
    const/4 v3, 0x1
    if-ne p1, v3, :not_gain

    iget-boolean v3, p0, Lcom/pelorin/player/AudioFocus;->ducked:Z
    if-eqz v3, :full_volume
    iput-boolean v1, p0, Lcom/pelorin/player/AudioFocus;->ducked:Z
    const/high16 v3, 0x3f800000
    invoke-virtual {v0, v3}, Lcom/pelorin/player/PlaybackService;->setVolume(F)V
    :full_volume
    iget-boolean v3, p0, Lcom/pelorin/player/AudioFocus;->resumeOnGain:Z
    if-eqz v3, :done
    iput-boolean v1, p0, Lcom/pelorin/player/AudioFocus;->resumeOnGain:Z
    const/4 v3, 0x3
    invoke-virtual {v0, v3, v1, v2}, Lcom/pelorin/player/PlaybackService;->perform(IILjava/lang/String;)V
    return-void

    :not_gain
    invoke-virtual {v0}, Lcom/pelorin/player/PlaybackService;->isPlaying()Z
    move-result v3
    if-eqz v3, :done
    const/4 v3, -0x3
    if-ne p1, v3, :not_duck
    # ducked to a fifth
    const v3, 0x3e4ccccd
    invoke-virtual {v0, v3}, Lcom/pelorin/player/PlaybackService;->setVolume(F)V
    const/4 v3, 0x1
    iput-boolean v3, p0, Lcom/pelorin/player/AudioFocus;->ducked:Z
    return-void

    :not_duck
    const/4 v3, -0x2
    if-ne p1, v3, :not_transient
    const/16 v3, 0xc
    invoke-virtual {v0, v3, v1, v2}, Lcom/pelorin/player/PlaybackService;->perform(IILjava/lang/String;)V
    const/4 v3, 0x1
    iput-boolean v3, p0, Lcom/pelorin/player/AudioFocus;->resumeOnGain:Z
    return-void

    :not_transient
    const/4 v3, -0x1
    if-ne p1, v3, :done
    const/4 v3, 0x2
    invoke-virtual {v0, v3, v1, v2}, Lcom/pelorin/player/PlaybackService;->perform(IILjava/lang/String;)V

    :done
    return-void
.end method
