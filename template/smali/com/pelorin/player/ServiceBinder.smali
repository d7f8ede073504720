.class public Lcom/pelorin/player/ServiceBinder;
.super Landroid/os/Binder;
.source "ServiceBinder.smali"

# What the activity gets when it binds the playback service: the service
# itself (same process).


.field private final service:Lcom/pelorin/player/PlaybackService;


.method public constructor <init>(Lcom/pelorin/player/PlaybackService;)V
    .registers 2

    invoke-direct {p0}, Landroid/os/Binder;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/ServiceBinder;->service:Lcom/pelorin/player/PlaybackService;

    return-void
.end method


.method public service()Lcom/pelorin/player/PlaybackService;
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/ServiceBinder;->service:Lcom/pelorin/player/PlaybackService;

    return-object v0
.end method
